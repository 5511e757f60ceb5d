#pragma once
// Facts about the machine and the running program.

#include "platform/system.h"

namespace torva::win32 {

// The machine's NetBIOS name. Wine keeps it in a volatile registry key that its start-up writes, so a
// program started while that runs can find it missing; the host name then gives the same name.
std::string LocalComputerName();

class Win32SystemInfo : public platform::SystemInfo {
  public:
    std::string ComputerName() const override;   // GetComputerNameW
    std::string WindowsFolder() const override;  // GetWindowsDirectoryW
    std::string SystemFolder() const override;   // GetSystemDirectoryW
    std::string ProgramFolder() const override;  // folder of the running .exe, no trailing "\"
    // Platform NT 5.1, read through RtlGetVersion (GetVersionExW answers what the manifest allows).
    bool IsTallCaptionPlatform() const override;
};

}  // namespace torva::win32
