#pragma once
// Facts about the machine and the running program, and the power requests.

#include <cstdint>
#include <string>

// The Windows headers define ExitWindows as a two-argument macro, which would break the member below; the
// macro ends here (Win32 code calls ExitWindowsEx). A file that includes the Windows headers after this
// header calls the member as (power.ExitWindows)(flags), which no function-like macro touches.
#ifdef ExitWindows
#undef ExitWindows
#endif

namespace torva::platform {

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    virtual std::string ComputerName() const = 0;
    virtual std::string WindowsFolder() const = 0;
    virtual std::string SystemFolder() const = 0;
    // Folder of the running program file, without a trailing "\".
    virtual std::string ProgramFolder() const = 0;
    // Platform NT 5.1: window heights grow for the taller caption of that version.
    virtual bool IsTallCaptionPlatform() const = 0;
};

// Exit-Windows flags, as the system defines them.
enum ExitWindowsFlags : uint32_t {
    kExitLogoff = 0x0,
    kExitShutdown = 0x1,
    kExitReboot = 0x2,
    kExitForce = 0x4,
    kExitPowerOff = 0x8,
};

// Shutting down, logging off and remote shutdown. When the environment variable TORVA_POWER_LOG
// names a file, the requests are appended to it as lines instead of being performed (tests only).
class Power {
  public:
    virtual ~Power() = default;
    virtual bool AdjustShutdownPrivilege() = 0;
    // Enables SeRemoteShutdownPrivilege, which shutting down another computer needs.
    virtual bool AdjustRemoteShutdownPrivilege() = 0;
    virtual bool ExitWindows(uint32_t flags) = 0;
    virtual bool RemoteShutdown(const std::string& computer, const std::string& message,
                                uint32_t timeoutSeconds, bool force, bool reboot) = 0;
};

}  // namespace torva::platform
