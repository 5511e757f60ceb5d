#include "runtime/activation/polling.h"

#include <variant>

#include "common/cp932.h"
#include "runtime/activation/launch_command.h"
#include "runtime/activation/mailslot_message.h"
#include "runtime/activation/wait_mode.h"

namespace torva::activation {

namespace {

bool AnyRunning(const definition::MenuDefinition& def, const RunningPrograms& running, bool (*test)(int)) {
    for (std::size_t i = 0; i < running.Count(); ++i) {
        const RunningEntry& e = running.Entry(i);
        if (test(EffectiveWaitModeOf(def, e.page, e.button))) return true;
    }
    return false;
}

}  // namespace

int EffectiveWaitModeOf(const definition::MenuDefinition& def, int page, int button) {
    if (!IsValidPage(page) || !IsValidButton(button)) return kWaitNone;
    const definition::MenuPage& p = def.Page(page);
    return EffectiveWaitMode(p.pageWaitMode, p.Button(button).runOption);
}

void PollRunningList(const definition::MenuDefinition& def, ActivationState& state,
                     const platform::Processes& processes, MenuWindowHost& window,
                     journal::LaunchJournal* journal) {
    bool unlock = false;
    bool show = false;
    state.running.Poll([&](std::uint32_t pid) { return processes.FindVisibleWindow(pid).found; },
                       [&](std::uint32_t pid) { return processes.HasEnded(pid); },
                       [&](const RunningEntry& e) {
                           const int mode = EffectiveWaitModeOf(def, e.page, e.button);
                           unlock = unlock || LocksMenu(mode);
                           show = show || BringsMenuBack(mode);
                           // The program may outlive its windows: then its end has no exit code yet.
                           if (journal) {
                               const auto code = processes.ExitCodeIfEnded(e.processId);
                               journal->Ended(e.processId,
                                              code ? std::optional<std::int64_t>(*code) : std::nullopt);
                           }
                       });
    if (unlock && !state.documentWaitActive && !AnyRunning(def, state.running, LocksMenu))
        window.UnlockMenu();
    if (show && !AnyRunning(def, state.running, HidesMenu)) window.ShowMenu();
    if (state.running.Count() == 0) window.StopRunningTimer();
}

void PollDocumentWait(const definition::MenuDefinition& def, ActivationState& state,
                      const platform::Processes& processes, MenuWindowHost& window) {
    if (!state.documentWaitActive) {
        window.StopDocumentTimer();
        return;
    }
    const std::uint32_t opener = state.lastDocumentProcess;
    const platform::WindowSearch search = processes.FindTorvaTitleWindow(opener);
    if (platform::StartedProgramDone(search.found, state.documentWindowSeen,
                                     [&] { return processes.HasEnded(opener); })) {
        state.documentWaitActive = false;
        state.lastDocumentProcess = 0;
        state.documentWindowSeen = false;
        window.StopDocumentTimer();
        if (!AnyRunning(def, state.running, LocksMenu)) window.UnlockMenu();
        return;
    }
    // The opener's own dialog must not disappear behind the locked menu.
    if (search.titled && search.window != 0 && window.IsForeground()) window.BringForward(search.window);
}

std::optional<std::string> ReadNextMailslotMessage(platform::MailslotReceiver& receiver) {
    const auto info = receiver.Poll();
    if (!info || info->messageCount == 0 || info->nextSize == platform::MailslotInfo::kNoMessage) {
        return std::nullopt;
    }
    const auto bytes = receiver.Read(info->nextSize);
    if (!bytes) return std::nullopt;
    return Cp932ToUtf8(*bytes);
}

void HandleMailslotMessage(const std::string& message, ActivationState& state, platform::Processes& processes,
                           const std::string& programFolder,
                           const std::function<void(int button)>& activate) {
    const MailslotMessage decoded = DecodeMailslotMessage(message);
    if (const auto* press = std::get_if<RemotePress>(&decoded)) {
        state.remotePress.Set(press->page);
        activate(press->button);
    } else if (const auto* text = std::get_if<TextMessage>(&decoded)) {
        (void)processes.Start(ViewerCommandLine(programFolder, text->senderAndText));
    }
}

}  // namespace torva::activation
