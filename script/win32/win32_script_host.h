#pragma once
// The script runner's host on Windows: the platform services of the suite plus the few calls only
// the runner makes (its boxes, the pause, the close command to the calling menu, the version test).

#include "platform/files.h"
#include "platform/mailslot.h"
#include "platform/processes.h"
#include "platform/system.h"
#include "script/script_host.h"

namespace torva::script::win32 {

struct PlatformServices {
    platform::FileSystem& files;
    platform::Processes& processes;
    platform::Shell& shell;
    platform::SystemInfo& system;
    platform::Power& power;
    platform::Mailslots& mailslots;
};

class Win32ScriptHost : public ScriptHost {
  public:
    explicit Win32ScriptHost(const PlatformServices& services) : services_(services) {}

    void PumpEvents() override;
    std::string RunnerFolder() const override { return services_.system.ProgramFolder(); }
    std::string WindowsFolder() const override { return services_.system.WindowsFolder(); }
    std::string SystemFolder() const override { return services_.system.SystemFolder(); }
    std::string ComputerName() const override { return services_.system.ComputerName(); }
    std::string CurrentFolder() const override { return services_.files.CurrentFolder(); }
    bool IsNtPlatform() const override;

    bool Exists(const std::string& path) const override { return services_.files.Exists(path); }
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        return services_.files.ReadFile(path, bytes);
    }

    std::optional<uint32_t> StartProcess(const std::string& commandLine) override {
        return services_.processes.Start(commandLine);
    }
    std::optional<uint32_t> WaitForExit(uint32_t processId) override {
        return services_.processes.WaitForExit(processId);
    }
    intptr_t ShellOpen(const std::string& document, const std::string& workFolder) override {
        return services_.shell.Open(document, workFolder);
    }

    BoxAnswer ShowBox(const std::string& text, BoxKind kind) override;
    void Sleep(uint32_t milliseconds) override;

    void SendSystemCommand(int32_t window, uint32_t command) override;
    void EnableShutdownPrivilege(PrivilegeChoice choice) override;
    void RequestExitWindows(uint32_t request) override;
    void RemoteShutdown(const std::string& computer, const std::string& message, uint32_t timeoutSeconds,
                        bool force, bool reboot) override {
        services_.power.RemoteShutdown(computer, message, timeoutSeconds, force, reboot);
    }
    void WriteMailslot(const std::string& computer, const std::string& bytes) override;

  private:
    PlatformServices services_;
};

}  // namespace torva::script::win32
