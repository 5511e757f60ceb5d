// The commands that act on this computer or on others: closing the calling menu, the exit-Windows
// requests, remote shutdown and the mailslot messages. None of them touches the last exit code.
#include "common/cp932.h"
#include "script/script_runner.h"

namespace torva::script {

namespace {
constexpr uint32_t kRemoteMessageTimeout = 30;
}  // namespace

ScriptRunner::Flow ScriptRunner::CloseCaller() {
    // Started without a menu window ("00000000") the line has nobody to close.
    if (state_.callerWindow > 0) host_.SendSystemCommand(state_.callerWindow, kCloseMenuCommand);
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::LocalExit(Keyword keyword) {
    const bool nt = keyword != Keyword::Loff && host_.IsNtPlatform();
    uint32_t request = kExitLogoff;
    switch (keyword) {
        case Keyword::Rebt:
            request = kExitReboot;
            break;
        case Keyword::Poff:
            request = nt ? kExitPowerOff : kExitShutdown;
            break;
        case Keyword::Sdwn:
            request = kExitShutdown;
            break;
        default:
            request = kExitLogoff;
            break;
    }
    if (nt) host_.EnableShutdownPrivilege(PrivilegeChoice::Local);
    host_.RequestExitWindows(request);
    // The script ends whether or not the system accepts the request.
    return Flow::Leave;
}

ScriptRunner::Flow ScriptRunner::RemoteShutdown(const ScriptLine& line, bool reboot) {
    const RemoteLine remote = ParseRemoteLine(line.argument);
    if (remote.computer.empty() || !host_.IsNtPlatform()) return Flow::Next;
    host_.EnableShutdownPrivilege(PrivilegeChoice::Remote);
    const uint32_t timeout = remote.parameters.empty() ? 0 : kRemoteMessageTimeout;
    host_.RemoteShutdown(remote.computer, remote.parameters, timeout, true, reboot);
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::RemoteMessage(const ScriptLine& line) {
    const RemoteLine remote = ParseRemoteLine(line.argument);
    if (remote.computer.empty() || remote.parameters.empty()) return Flow::Next;
    SendRemote(remote.computer, RemoteTextMessage(host_.ComputerName(), remote.parameters));
    return Flow::Next;
}

ScriptRunner::Flow ScriptRunner::RemoteControl(const ScriptLine& line) {
    const RemoteLine remote = ParseRemoteLine(line.argument);
    if (remote.computer.empty()) return Flow::Next;
    const auto press = ParseRemotePress(remote.parameters);
    if (!press) return Flow::Next;
    if (!press->InRange()) Fail(kErrPageButton, line.argument);
    SendRemote(remote.computer, RemotePressMessage(*press));
    return Flow::Next;
}

void ScriptRunner::SendRemote(const std::string& computer, const std::string& message) {
    host_.WriteMailslot(computer, Utf8ToCp932(message));
}

}  // namespace torva::script
