#include "runtime/win32/torvafm_host.h"

#include "platform/win32/message_box.h"
#include "runtime/activation/polling.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/torvafm_prompts.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

std::uint64_t TorvaWindowHost::WindowHandle() const {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(window_.Handle()));
}
int TorvaWindowHost::CurrentPage() const {
    return window_.CurrentPage();
}
void TorvaWindowHost::ShowPage(int page) {
    window_.ShowPage(page);
}
menuview::ClickState TorvaWindowHost::ClickStateOf(int button) const {
    return window_.ClickStateOf(button);
}
void TorvaWindowHost::SetClickState(int button, menuview::ClickState state) {
    window_.SetClickState(button, state);
}

bool TorvaWindowHost::AskPassword(const std::string& password, const std::string& guide) {
    return AskButtonPassword(rt_, window_.Handle(), password, guide);
}

bool TorvaWindowHost::Confirm(const std::string& text) {
    return torva::win32::ShowMessageBox(window_.Handle(), text, "TORVA",
                                        MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

std::optional<std::string> TorvaWindowHost::AskText(const std::string& prompt) {
    return AskInputText(rt_, window_.Handle(), prompt);
}

void TorvaWindowHost::ShowCritical(const std::string& text) {
    torva::win32::ShowErrorBox(window_.Handle(), text, "TORVA");
}

void TorvaWindowHost::ReportFailure(int16_t code, const std::string& message, const std::string& detail) {
    rt_.ReportLaunchFailure(code, message, detail);
}

void TorvaWindowHost::LockMenu() {
    window_.Lock();
}

void TorvaWindowHost::UnlockMenu() {
    window_.Unlock();
    window_.FocusButton(window_.LastFocusedButton() ? window_.LastFocusedButton() : 1);
}

void TorvaWindowHost::HideMenu() {
    window_.HideToTray();
}
void TorvaWindowHost::ShowMenu() {
    window_.ShowFromTray();
}
bool TorvaWindowHost::IsForeground() const {
    return GetForegroundWindow() == window_.Handle();
}

void TorvaWindowHost::StartRunningTimer() {
    window_.SetTimer(kRunningTimerId, activation::kRunningPollIntervalMs, [this] {
        TorvaRuntime& rt = rt_;
        ErrorLocation here(rt.error, activation::kRunningPollErrorCode);
        activation::PollRunningList(*rt.definition, state_, *rt.os.processes, *this, &journal_);
    });
}
void TorvaWindowHost::StopRunningTimer() {
    window_.KillTimer(kRunningTimerId);
}

void TorvaWindowHost::StartDocumentTimer() {
    window_.SetTimer(kDocumentTimerId, activation::kDocumentPollIntervalMs, [this] {
        TorvaRuntime& rt = rt_;
        ErrorLocation here(rt.error, activation::kDocumentPollErrorCode);
        activation::PollDocumentWait(*rt.definition, state_, *rt.os.processes, *this);
    });
}
void TorvaWindowHost::StopDocumentTimer() {
    window_.KillTimer(kDocumentTimerId);
}

void TorvaWindowHost::BringForward(platform::WindowId window) {
    HWND hwnd = reinterpret_cast<HWND>(window);
    if (!hwnd) return;
    ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
}

void TorvaWindowHost::RunEndPrograms() {
    win32::RunEndPrograms(rt_);
}
void TorvaWindowHost::CloseAfterAction() {
    window_.Close(CloseReason::EndProgramsRun);
}
void TorvaWindowHost::StartScreenSaverCommand() {
    PostMessageW(window_.Handle(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

}  // namespace torva::runtime::win32
