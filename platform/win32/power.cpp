#include "platform/win32/power.h"

#include <windows.h>

#include "platform/win32/append_file.h"
#include "platform/win32/hooks/test_hooks.h"
#include "platform/win32/power_log.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

// <windows.h> came after the class declaration and brought the macro back.
#undef ExitWindows

namespace torva::win32 {

namespace {

// True when the requests go to the test log; *written tells whether the line reached it.
bool Redirected(const std::string& line, bool* written) {
    const std::string log = TestHookValue(kPowerLogVariable);
    if (log.empty()) return false;
    *written = AppendToFile(log, line + "\r\n");
    return true;
}

}  // namespace

bool Win32Power::AdjustShutdownPrivilege() {
    return EnablePrivilege(SE_SHUTDOWN_NAME);
}

bool Win32Power::AdjustRemoteShutdownPrivilege() {
    return EnablePrivilege(SE_REMOTE_SHUTDOWN_NAME);
}

bool Win32Power::EnablePrivilege(const wchar_t* name) {
    bool written = false;
    if (Redirected(PrivilegeLogLine(Narrow(name)), &written)) return written;
    HANDLE rawToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &rawToken))
        return false;
    UniqueKernelHandle token(rawToken);
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid)) return false;
    if (!AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr)) return false;
    // AdjustTokenPrivileges succeeds even when it could not enable the privilege.
    return GetLastError() == ERROR_SUCCESS;
}

bool Win32Power::ExitWindows(uint32_t flags) {
    bool written = false;
    if (Redirected(ExitWindowsLogLine(flags), &written)) return written;
    return ExitWindowsEx(flags, SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER |
                                    SHTDN_REASON_FLAG_PLANNED) != FALSE;
}

bool Win32Power::RemoteShutdown(const std::string& computer, const std::string& message,
                                uint32_t timeoutSeconds, bool force, bool reboot) {
    bool written = false;
    if (Redirected(RemoteShutdownLogLine(computer, message, timeoutSeconds, force, reboot), &written))
        return written;
    std::wstring wideComputer = Wide(computer);
    std::wstring wideMessage = Wide(message);
    return InitiateSystemShutdownW(wideComputer.empty() ? nullptr : wideComputer.data(),
                                   wideMessage.empty() ? nullptr : wideMessage.data(), timeoutSeconds, force,
                                   reboot) != FALSE;
}

}  // namespace torva::win32
