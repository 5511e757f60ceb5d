#pragma once
// Log off, shut down, reboot and remote shutdown for real, or into the test log named by
// TORVA_POWER_LOG (see power_log.h).

#include "platform/system.h"

namespace torva::win32 {

class Win32Power : public platform::Power {
  public:
    // Enables SeShutdownPrivilege in the process token (OpenProcessToken, LookupPrivilegeValueW,
    // AdjustTokenPrivileges); false when the privilege is not granted.
    bool AdjustShutdownPrivilege() override;
    // The same for SeRemoteShutdownPrivilege.
    bool AdjustRemoteShutdownPrivilege() override;
    // ExitWindowsEx with the flags (a planned shutdown as its reason).
    bool ExitWindows(uint32_t flags) override;
    // InitiateSystemShutdownW on the named computer.
    bool RemoteShutdown(const std::string& computer, const std::string& message, uint32_t timeoutSeconds,
                        bool force, bool reboot) override;

  private:
    bool EnablePrivilege(const wchar_t* name);
};

}  // namespace torva::win32
