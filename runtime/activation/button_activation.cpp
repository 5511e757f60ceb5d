#include "runtime/activation/button_activation.h"

#include "common/cp932.h"
#include "common/utf8.h"
#include "runtime/activation/launch_command.h"
#include "runtime/activation/mailslot_message.h"
#include "runtime/activation/wait_mode.h"
#include "runtime/error_locations.h"

namespace torva::activation {

using definition::ButtonAction;

namespace {

constexpr const char* kExecuteQuestion = "実行しますか？";
constexpr uint32_t kRemoteMessageTimeoutSeconds = 30;

bool IsLocalSystemAction(ButtonAction a) {
    return a >= ButtonAction::Logoff && a <= ButtonAction::ConfirmReboot;
}
bool IsRemoteShutdown(ButtonAction a) {
    return a >= ButtonAction::RemoteShutdown && a <= ButtonAction::ConfirmRemoteReboot;
}

// 9..12 are 5..8 with a confirmation.
ButtonAction Unconfirmed(ButtonAction a) {
    if (a >= ButtonAction::ConfirmLogoff && a <= ButtonAction::ConfirmReboot) {
        return static_cast<ButtonAction>(static_cast<int>(a) - 4);
    }
    return a;
}

}  // namespace

std::string LocalConfirmationText(ButtonAction action) {
    std::string first;
    switch (Unconfirmed(action)) {
        case ButtonAction::Logoff:
            first = "ログオフが選択されました。";
            break;
        case ButtonAction::Shutdown:
            first = "シャットダウンが選択されました。";
            break;
        case ButtonAction::PowerOff:
            first = "パワーオフが選択されました。";
            break;
        case ButtonAction::Reboot:
            first = "リブートが選択されました。";
            break;
        default:
            return {};
    }
    return first + "\r" + kExecuteQuestion;
}

std::string RemoteConfirmationText(ButtonAction action, const std::string& computer) {
    const char* what = action == ButtonAction::ConfirmRemoteReboot
                           ? "のリモートリブートが選択されました。"
                           : "のリモートシャットダウンが選択されました。";
    return "ｺﾝﾋﾟｭｰﾀ名：" + computer + "\r" + what + "\r" + kExecuteQuestion;
}

void ButtonActivation::Activate(int button) {
    ErrorLocation location(services_.error, kActivationErrorCode);

    int page = 0;
    if (state_.remotePress.IsSet()) {
        // Taken before anything can stop the activation, so that a later local click never acts
        // on the remote page.
        page = state_.remotePress.Take();
    } else {
        if (!IsValidButton(button)) return;
        // A press with the right or middle mouse button is followed by a click that does nothing.
        const bool otherButton = window_.ClickStateOf(button) == menuview::ClickState::OtherPressed;
        window_.SetClickState(button, menuview::ClickState::Idle);
        if (otherButton) return;
        page = window_.CurrentPage();
    }
    if (!IsValidPage(page) || !IsValidButton(button)) return;
    const definition::MenuPage& p = def_.Page(page);
    if (!p.defined || button > def_.buttonsPerPage) return;

    if (state_.running.IsRunning(page, button)) {
        const platform::WindowSearch search =
            services_.processes.FindVisibleWindow(state_.running.ProcessOf(page, button));
        if (search.found && search.window != 0) window_.BringForward(search.window);
        return;
    }

    const definition::MenuButton& b = p.Button(button);
    if (!b.password.empty() && !window_.AskPassword(b.password, b.guide)) return;
    Act(page, button, b);
}

void ButtonActivation::Act(int page, int button, const definition::MenuButton& b) {
    switch (b.action) {
        case ButtonAction::Run:
            Launch(page, button, b);
            return;
        case ButtonAction::Page:
            if (IsValidPage(b.targetPage) && def_.Page(b.targetPage).defined) window_.ShowPage(b.targetPage);
            return;
        case ButtonAction::End:
            window_.RunEndPrograms();
            window_.CloseAfterAction();
            return;
        case ButtonAction::ScreenSaver:
            StartScreenSaver(page, button, b);
            return;
        case ButtonAction::RemoteMessage:
            SendRemoteMessage(b);
            return;
        case ButtonAction::RemoteControl:
            SendRemotePress(b);
            return;
        default:
            break;
    }
    if (IsLocalSystemAction(b.action)) {
        LocalSystemAction(b.action);
    } else if (IsRemoteShutdown(b.action)) {
        RemoteShutdown(b.action, b);
    }
}

void ButtonActivation::Launch(int page, int button, const definition::MenuButton& b) {
    if (b.program == kMissingProgramMarker) {
        window_.ShowCritical(kMissingProgramText);
        return;
    }
    if (TrimBlanks(b.program).empty()) return;

    ErrorLocation extensionRule(services_.error, runtime::kExtensionRuleLocation);
    const ButtonLaunch launch = BuildButtonLaunch(services_.programFolder, window_.WindowHandle(), b.program,
                                                  b.arguments, b.workFolder);

    if (launch.kind == LaunchKind::Document) {
        // The opener changes to the work folder itself (it receives it between the brackets).
        const auto pid = services_.processes.Start(launch.commandLine);
        Record(page, button, b, "document", launch.commandLine, b.workFolder, false, pid);
        if (!pid || *pid == 0) {
            window_.ReportFailure(kDocumentStartFailed, kStartFailedText, b.program);
            return;
        }
        state_.lastDocumentProcess = *pid;
        state_.documentWindowSeen = false;
        state_.documentWaitActive = true;
        window_.LockMenu();
        window_.StartDocumentTimer();
        return;
    }

    const int mode = EffectiveWaitMode(def_.Page(page).pageWaitMode, b.runOption);
    if (WaitsForProgram(mode) && state_.running.IsFull()) return;

    const char* action = launch.kind == LaunchKind::Script ? "script" : "program";
    const bool switchFolder = !b.workFolder.empty();
    if (switchFolder && !services_.files.SetCurrentFolder(b.workFolder)) {
        // Starting in whatever folder happens to be current could run the program against the
        // wrong files: report instead.
        Record(page, button, b, action, launch.commandLine, b.workFolder, WaitsForProgram(mode),
               std::nullopt);
        window_.ReportFailure(kProgramStartFailed, kStartFailedText, b.workFolder);
        return;
    }
    const std::string startFolder = switchFolder ? b.workFolder : services_.files.CurrentFolder();
    const auto pid = services_.processes.Start(launch.commandLine);
    if (switchFolder) (void)services_.files.SetCurrentFolder(services_.programFolder);
    // Written before the failure report, whose box waits for the user.
    Record(page, button, b, action, launch.commandLine, startFolder, WaitsForProgram(mode), pid);
    if (!pid || *pid == 0) {
        window_.ReportFailure(kProgramStartFailed, kStartFailedText, b.program);
        return;
    }

    if (!WaitsForProgram(mode)) return;
    if (!state_.running.Add(page, button, *pid)) return;
    if (LocksMenu(mode)) window_.LockMenu();
    window_.StartRunningTimer();
    if (HidesMenu(mode)) window_.HideMenu();
}

void ButtonActivation::Record(int page, int button, const definition::MenuButton& b, const char* action,
                              const std::string& commandLine, const std::string& workFolder, bool waited,
                              std::optional<uint32_t> pid) const {
    if (!services_.journal) return;
    journal::StartRecord record;
    record.page = page;
    record.button = button;
    record.caption = b.caption;
    record.action = action;
    record.commandLine = commandLine;
    record.workFolder = workFolder;
    record.started = pid && *pid != 0;
    record.waited = waited;
    if (record.started) record.processId = *pid;
    services_.journal->Started(std::move(record));
}

void ButtonActivation::StartScreenSaver(int page, int button, const definition::MenuButton& b) {
    if (!services_.ntPlatform) {
        window_.StartScreenSaverCommand();
        return;
    }
    const auto key =
        services_.registry.Open(platform::RegistryRoot::CurrentUser, "Control Panel\\Desktop", false);
    if (!key) return;
    const auto value = key->GetString("SCRNSAVE.EXE");
    if (!value || value->empty()) return;
    const std::string commandLine = ScreenSaverCommandLine(*value);
    const auto pid = services_.processes.Start(commandLine);
    Record(page, button, b, "screensaver", commandLine, services_.files.CurrentFolder(), false, pid);
    if (!pid || *pid == 0) window_.ReportFailure(kProgramStartFailed, kScreenSaverFailedText, *value);
}

void ButtonActivation::LocalSystemAction(ButtonAction action) {
    if (action >= ButtonAction::ConfirmLogoff && !window_.Confirm(LocalConfirmationText(action))) return;
    const ButtonAction what = Unconfirmed(action);
    window_.RunEndPrograms();
    uint32_t flags = platform::kExitLogoff;
    switch (what) {
        case ButtonAction::Shutdown:
            flags = platform::kExitShutdown;
            break;
        case ButtonAction::PowerOff:
            flags = services_.ntPlatform ? platform::kExitPowerOff : platform::kExitShutdown;
            break;
        case ButtonAction::Reboot:
            flags = platform::kExitReboot;
            break;
        default:
            break;
    }
    if (services_.ntPlatform && what != ButtonAction::Logoff) (void)services_.power.AdjustShutdownPrivilege();
    (void)services_.power.ExitWindows(flags);
    window_.CloseAfterAction();
}

void ButtonActivation::RemoteShutdown(ButtonAction action, const definition::MenuButton& b) {
    if (!services_.ntPlatform) return;
    // An empty computer name would address this machine: a remote-shutdown button must never shut
    // down the machine it runs on without its end programs.
    const std::string computer = TrimBlanks(b.program);
    if (computer.empty()) return;
    if ((action == ButtonAction::ConfirmRemoteShutdown || action == ButtonAction::ConfirmRemoteReboot) &&
        !window_.Confirm(RemoteConfirmationText(action, b.program))) {
        return;
    }
    const bool reboot = action == ButtonAction::RemoteReboot || action == ButtonAction::ConfirmRemoteReboot;
    const uint32_t timeout = b.arguments.empty() ? 0 : kRemoteMessageTimeoutSeconds;
    (void)services_.power.AdjustRemoteShutdownPrivilege();
    (void)services_.power.RemoteShutdown(b.program, b.arguments, timeout, true, reboot);
}

void ButtonActivation::SendRemoteMessage(const definition::MenuButton& b) {
    std::string text = b.arguments;
    if (text.empty()) {
        const auto typed = window_.AskText(b.program + " に送信するメッセージを入力して下さい。");
        if (!typed || typed->empty()) return;
        text = *typed;
    }
    Send(b.program, EncodeTextMessage(services_.system.ComputerName(), text));
}

void ButtonActivation::SendRemotePress(const definition::MenuButton& b) {
    const auto message = EncodeRemotePress(b.targetPage, b.runOption);
    if (message) Send(b.program, *message);
}

void ButtonActivation::Send(const std::string& computer, const std::string& message) {
    if (computer.empty()) return;
    (void)services_.mailslots.Write(computer, std::string(kMailslotName), Utf8ToCp932(message));
}

}  // namespace torva::activation
