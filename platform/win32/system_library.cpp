#include "platform/win32/system_library.h"

#include <commctrl.h>

namespace torva::win32 {

FARPROC SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    // Loaded once and never freed: the process keeps it, as it keeps the libraries it imports.
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, name) : nullptr;
}

bool LoadCommonControls(DWORD classes) {
    // Through the name alone, so that the manifest's activation context picks the version.
    HMODULE module = GetModuleHandleW(L"comctl32.dll");
    if (!module) module = LoadLibraryW(L"comctl32.dll");
    if (!module) return false;
    const auto init = reinterpret_cast<decltype(&InitCommonControlsEx)>(
        reinterpret_cast<void*>(GetProcAddress(module, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof(controls), classes};
    return init && init(&controls);
}

}  // namespace torva::win32
