#pragma once
// The test redirect of the power requests. When the environment variable TORVA_POWER_LOG names a
// file, Win32Power performs nothing and appends one UTF-8 line per request, ended by CR LF:
//
//   AdjustPrivilege name=SeShutdownPrivilege
//   ExitWindows flags=5                       (the ExitWindowsEx flags in decimal: 5 = shutdown+force)
//   RemoteShutdown computer=PC01 timeout=30 force=1 reboot=0 message=text to the end of the line
//
// In the message (and the computer name) '%', CR and LF are written as %25, %0D and %0A, so one
// request stays one line. Only tests set the variable. This header is portable: tests parse with it.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/line_escape.h"

namespace torva::win32 {

inline constexpr char kPowerLogVariable[] = "TORVA_POWER_LOG";

inline std::string PrivilegeLogLine(std::string_view privilege) {
    return "AdjustPrivilege name=" + std::string(privilege);
}

inline std::string ExitWindowsLogLine(uint32_t flags) {
    return "ExitWindows flags=" + std::to_string(flags);
}

inline std::string RemoteShutdownLogLine(std::string_view computer, std::string_view message,
                                         uint32_t timeoutSeconds, bool force, bool reboot) {
    return "RemoteShutdown computer=" + EscapeLineValue(computer) +
           " timeout=" + std::to_string(timeoutSeconds) + " force=" + (force ? "1" : "0") +
           " reboot=" + (reboot ? "1" : "0") + " message=" + EscapeLineValue(message);
}

}  // namespace torva::win32
