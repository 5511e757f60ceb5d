#include "platform/win32/hooks/test_hooks.h"

#include <windows.h>

// TORVA_TEST_HOOKS_ENABLED is set to 0 or 1 by the build, once for each of the two libraries made from
// this file. The file stands alone (no other platform code) so that both libraries can be linked
// anywhere without duplicate definitions.
#ifndef TORVA_TEST_HOOKS_ENABLED
#error "TORVA_TEST_HOOKS_ENABLED must be defined by the build"
#endif

namespace torva::win32 {

namespace {

std::wstring ToWide(const std::string& text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string ToUtf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                            nullptr);
    return out;
}

}  // namespace

bool TestHooksEnabled() {
    return TORVA_TEST_HOOKS_ENABLED != 0;
}

std::string TestHookValue(const std::string& name) {
    if (!TestHooksEnabled()) return {};
    const std::wstring wideName = ToWide(name);
    const DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::wstring value(needed, L'\0');
    const DWORD n = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    if (n == 0 || n >= needed) return {};
    value.resize(n);
    return ToUtf8(value);
}

}  // namespace torva::win32
