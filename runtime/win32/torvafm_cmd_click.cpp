// Button activation behind the menu window, the timed starts (ATimer, TTimer) and the mailslot
// receiver (Timer3). The running-list and document timers are started by the window host.
#include "runtime/win32/torvafm_cmd_click.h"

#include <windows.h>

#include "platform/win32/hooks/test_hooks.h"
#include "runtime/activation/mailslot_message.h"
#include "runtime/activation/polling.h"
#include "runtime/win32/activation_runtime.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"

namespace torva::runtime::win32 {

namespace {

int MinutesNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 60 + now.wMinute;
}

UINT_PTR TimerId(activation::TimedKind kind, int n) {
    return (kind == activation::TimedKind::Elapsed ? kElapsedTimerBase : kClockTimerBase) +
           static_cast<UINT_PTR>(n);
}

}  // namespace

ActivationRuntime::ActivationRuntime(TorvaRuntime& rt, MenuWindow& window)
    : rt_(rt),
      window_(window),
      host_(rt, window, state_, rt.journal),
      services_{*rt.os.processes, *rt.os.files, registry_,        power_, mailslots_,
                *rt.os.system,    rt.error,     rt.programFolder, true,   &rt.journal},
      handler_(*rt.definition, state_, services_, host_) {}

// ATimer (902) and TTimer (903): one tick of entry n.
void ActivationRuntime::TimedStartTick(activation::TimedKind kind, int n) {
    ErrorLocation location(rt_.error, kind == activation::TimedKind::Elapsed
                                          ? activation::kElapsedTimerErrorCode
                                          : activation::kClockTimerErrorCode);
    const auto fire = timedStarts_.Tick(kind, n);
    if (!fire) return;
    // Off before the press: a password prompt runs a modal loop in which this timer would tick on.
    window_.KillTimer(TimerId(kind, n));
    state_.remotePress.Set(fire->page);
    TORVAFM_CMD_Click(fire->button);
}

// Timer3 (904): at most one message per tick; the others wait in the slot.
void ActivationRuntime::MailslotTick() {
    ErrorLocation location(rt_.error, activation::kMailslotPollErrorCode);
    if (!mailslot_) return;
    const auto message = activation::ReadNextMailslotMessage(*mailslot_);
    if (!message) return;
    activation::HandleMailslotMessage(*message, state_, *rt_.os.processes, rt_.programFolder,
                                      [this](int button) { TORVAFM_CMD_Click(button); });
}

void ActivationRuntime::TORVAFM_CMD_Click(int index) {
    handler_.Activate(index);
}

void ActivationRuntime::TORVAFM_OnLoad() {
    state_.running.Clear();

    timedStarts_.Arm(*rt_.definition, MinutesNow());
    const unsigned tick =
        activation::TimedStartTickMs(torva::win32::TestHookValue(activation::kMinuteVariable));
    for (const auto kind : {activation::TimedKind::Elapsed, activation::TimedKind::Clock}) {
        for (int n = 1; n <= 2; ++n) {
            if (!timedStarts_.Armed(kind, n)) continue;
            window_.SetTimer(TimerId(kind, n), tick, [this, kind, n] { TimedStartTick(kind, n); });
        }
    }

    if (rt_.options().remoteControl) {
        // Another menu on this machine may own the name: remote control is then silently off.
        platform::MailslotOpen open = mailslots_.Create(std::string(activation::kMailslotName));
        mailslot_ = std::move(open.receiver);
        if (mailslot_)
            window_.SetTimer(kMailslotTimerId, activation::kMailslotPollIntervalMs,
                             [this] { MailslotTick(); });
    }
}

void ActivationRuntime::TORVAFM_OnClosing() {
    if (!mailslot_) return;
    // Also when the close is then refused: the slot is not opened again.
    window_.KillTimer(kMailslotTimerId);
    mailslot_.reset();
}

}  // namespace torva::runtime::win32
