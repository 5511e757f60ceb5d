#pragma once
// Nothing escapes a window procedure: an unexpected failure shows the fatal-error report with its
// run-time error number and ends the program.

#include <windows.h>

#include <exception>
#include <new>

#include "common/run_error.h"

namespace torva::runtime::win32 {

[[noreturn]] void FatalEnd(int runErrorNumber);

template <typename F>
auto GuardedHandler(F&& handler) -> decltype(handler()) {
    try {
        return handler();
    } catch (const RunError& e) {
        FatalEnd(e.number());
    } catch (const std::bad_alloc&) {
        FatalEnd(kErrOutOfMemory);
    } catch (const std::exception&) {
        FatalEnd(kErrInvalidCall);
    }
}

}  // namespace torva::runtime::win32
