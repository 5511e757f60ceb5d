#pragma once
// Functions of system libraries that a program needs only now and then (the shell's icon
// extraction and tray, the common controls): loading such a library at every start costs the
// program's start more than all its own work under some systems, so it is loaded on first use and
// stays loaded for the rest of the process, as an imported one would.

#include <windows.h>

namespace torva::win32 {

// The function from the library in the system folder; null when either is missing.
FARPROC SystemFunction(const wchar_t* library, const char* name);

// The typed form: SystemFunctionOf<decltype(&Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW").
template <typename Function>
Function SystemFunctionOf(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

// The common controls (version 6 under the programs' manifest) with their window classes
// registered; false when they cannot be loaded.
bool LoadCommonControls(DWORD classes);

}  // namespace torva::win32
