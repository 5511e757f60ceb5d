#include "platform/win32/module_path.h"

#include "platform/win32/wide.h"

namespace torva::win32 {

std::string ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    // GetModuleFileNameW cuts the name silently when the buffer is short: grow until it fits.
    while (path.size() <= 32768) {
        const DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
    return {};
}

std::string ModuleFolder(HMODULE module) {
    const std::string path = ModulePath(module);
    const auto slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string CommandLineAfterProgram() {
    const wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return Narrow(p);
}

}  // namespace torva::win32
