#pragma once
// Everything the script runner asks of the operating system. The interpreter is portable and is
// driven through this interface; the Windows program supplies the real one and the unit tests a
// recording fake.

#include <cstdint>
#include <optional>
#include <string>

namespace torva::script {

enum class BoxKind {
    Information,  // information icon, OK
    Question,     // question icon, Yes and No
    Error,        // error icon, OK
};

enum class BoxAnswer { Ok, Yes, No };

enum class PrivilegeChoice {
    Local,   // shutting down this computer
    Remote,  // shutting down another computer
};

// Values of the exit-Windows request.
enum ExitWindowsRequest : uint32_t {
    kExitLogoff = 0x0,
    kExitShutdown = 0x1,
    kExitReboot = 0x2,
    kExitPowerOff = 0x8,
};

class ScriptHost {
  public:
    virtual ~ScriptHost() = default;

    // Lets pending window-system events be handled once.
    virtual void PumpEvents() = 0;

    virtual std::string RunnerFolder() const = 0;  // without a trailing "\"
    virtual std::string WindowsFolder() const = 0;
    virtual std::string SystemFolder() const = 0;
    virtual std::string ComputerName() const = 0;
    // The folder started programs run in (the runner's current folder).
    virtual std::string CurrentFolder() const = 0;
    virtual bool IsNtPlatform() const = 0;

    virtual bool Exists(const std::string& path) const = 0;
    // Whole file as raw bytes; false when it cannot be read.
    [[nodiscard]] virtual bool ReadFile(const std::string& path, std::string& bytes) const = 0;

    // Starts a command line in a normal, focused window; the process id, or nothing.
    virtual std::optional<uint32_t> StartProcess(const std::string& commandLine) = 0;
    // Waits without a time limit for the process to end; its exit code, or nothing on failure.
    virtual std::optional<uint32_t> WaitForExit(uint32_t processId) = 0;
    // Opens a document with the default verb; the shell's result (32 or more is success).
    virtual intptr_t ShellOpen(const std::string& document, const std::string& workFolder) = 0;

    // A box titled "TVSCRIPT", brought to the foreground; waits until it is answered.
    virtual BoxAnswer ShowBox(const std::string& text, BoxKind kind) = 0;
    virtual void Sleep(uint32_t milliseconds) = 0;

    // Sends the system-command message with the given command value and waits for its delivery.
    virtual void SendSystemCommand(int32_t window, uint32_t command) = 0;
    virtual void EnableShutdownPrivilege(PrivilegeChoice choice) = 0;
    virtual void RequestExitWindows(uint32_t request) = 0;
    virtual void RemoteShutdown(const std::string& computer, const std::string& message,
                                uint32_t timeoutSeconds, bool force, bool reboot) = 0;
    // One write of the bytes to the mailslot of the named computer; silent when it cannot be opened.
    virtual void WriteMailslot(const std::string& computer, const std::string& bytes) = 0;
};

}  // namespace torva::script
