// Built into every end-to-end test program. A test that faults must end and say so: left to
// itself, Wine starts its debugger, which can hang for good, and the programs the test started go
// on holding the suite's output open, so CTest would wait on the run for ever.
#include <windows.h>

#include <cstdio>

#include "tests/e2e/harness/window_query.h"

namespace {

LONG WINAPI EndFaultedTest(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD& fault = *info->ExceptionRecord;
    std::fprintf(stderr,
                 "\nThe test program faulted: exception 0x%08lx at %p. Ending it and what it started.\n",
                 static_cast<unsigned long>(fault.ExceptionCode), fault.ExceptionAddress);
    std::fflush(stderr);
    for (const DWORD child : torva::e2e::LiveChildren(GetCurrentProcessId())) {
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, child)) {
            TerminateProcess(process, 3);
            CloseHandle(process);
        }
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

// Installed before main, so that no test runs without it.
const bool kFaultFilterInstalled = (SetUnhandledExceptionFilter(EndFaultedTest), true);

}  // namespace
