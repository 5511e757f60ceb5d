#include "script/win32/win32_script_host.h"

#include <windows.h>

#include "platform/win32/message_box.h"
#include "platform/win32/wide.h"
#include "script/script_state.h"
#include "ui/win32/message_pump.h"

namespace torva::script::win32 {

namespace {

constexpr const char* kMailslotName = "TORVAMS";

// A menu that is busy still gets the command delivered; one that stopped answering must not hold
// the runner for ever, so the wait ends only when the receiver is hung.
constexpr UINT kHungWindowTimeoutMs = 10000;

}  // namespace

void Win32ScriptHost::PumpEvents() {
    (void)ui::win32::PumpPending();
}

bool Win32ScriptHost::IsNtPlatform() const {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return true;  // every system that runs this program is of that family
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

BoxAnswer Win32ScriptHost::ShowBox(const std::string& text, BoxKind kind) {
    UINT style = MB_TASKMODAL;
    switch (kind) {
        case BoxKind::Information:
            style |= MB_OK | MB_ICONINFORMATION;
            break;
        case BoxKind::Question:
            style |= MB_YESNO | MB_ICONQUESTION;
            break;
        case BoxKind::Error:
            style |= MB_OK | MB_ICONERROR;
            break;
    }
    const int answer = torva::win32::ShowMessageBox(nullptr, text, std::string(kBoxTitle), style);
    if (answer == IDYES) return BoxAnswer::Yes;
    if (answer == IDNO) return BoxAnswer::No;
    return BoxAnswer::Ok;
}

void Win32ScriptHost::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

void Win32ScriptHost::SendSystemCommand(int32_t window, uint32_t command) {
    // Window handles travel as 32-bit numbers; the system sign-extends them to pointer size.
    const HWND target = reinterpret_cast<HWND>(static_cast<intptr_t>(window));
    if (!IsWindow(target)) return;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(target, WM_SYSCOMMAND, command, 0, SMTO_NOTIMEOUTIFNOTHUNG, kHungWindowTimeoutMs,
                        &result);
}

void Win32ScriptHost::EnableShutdownPrivilege(PrivilegeChoice choice) {
    // Failures show up later as a refused request, which the runner does not report.
    if (choice == PrivilegeChoice::Local) {
        (void)services_.power.AdjustShutdownPrivilege();
    } else {
        (void)services_.power.AdjustRemoteShutdownPrivilege();
    }
}

void Win32ScriptHost::RequestExitWindows(uint32_t request) {
    // Parenthesised: <windows.h> has a function-like macro of that name.
    (services_.power.ExitWindows)(request);
}

void Win32ScriptHost::WriteMailslot(const std::string& computer, const std::string& bytes) {
    // Nobody listening, or an unreachable computer: nothing is sent and nothing is reported.
    (void)services_.mailslots.Write(computer, kMailslotName, bytes);
}

}  // namespace torva::script::win32
