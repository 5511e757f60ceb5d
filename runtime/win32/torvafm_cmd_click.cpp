// Button activation behind the menu window, the timed starts (ATimer, TTimer) and the mailslot
// receiver (Timer3). The running-list and document timers are started by the window host.
#include "runtime/win32/torvafm_cmd_click.h"

#include <windows.h>

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

// ATimer (902) and TTimer (903): one tick of entry n.
void TimedStartTick(activation::TimedKind kind, int n) {
    ErrorLocation location(Torva().error, kind == activation::TimedKind::Elapsed
                                              ? activation::kElapsedTimerErrorCode
                                              : activation::kClockTimerErrorCode);
    ActivationRuntime& act = Activation();
    const auto fire = act.timedStarts.Tick(kind, n);
    if (!fire) return;
    // Off before the press: a password prompt runs a modal loop in which this timer would tick on.
    TORVAFM().KillTimer(TimerId(kind, n));
    act.state.remotePress.Set(fire->page);
    TORVAFM_CMD_Click(fire->button);
}

// Timer3 (904): at most one message per tick; the others wait in the slot.
void MailslotTick() {
    ErrorLocation location(Torva().error, activation::kMailslotPollErrorCode);
    ActivationRuntime& act = Activation();
    if (!act.mailslot) return;
    const auto message = activation::ReadNextMailslotMessage(*act.mailslot);
    if (!message) return;
    activation::HandleMailslotMessage(*message, act.state, *Torva().os.processes, Torva().programFolder,
                                      [](int button) { TORVAFM_CMD_Click(button); });
}

}  // namespace

ActivationRuntime::ActivationRuntime()
    : host(TORVAFM(), state),
      services{*Torva().os.processes, *Torva().os.files,     registry, power, mailslots, *Torva().os.system,
               Torva().error,         Torva().programFolder, true},
      handler(*Torva().definition, state, services, host) {}

ActivationRuntime& Activation() {
    static ActivationRuntime runtime;
    return runtime;
}

void TORVAFM_CMD_Click(int index) {
    Activation().handler.Activate(index);
}

void TORVAFM_OnLoad() {
    ActivationRuntime& act = Activation();
    MenuWindow& window = TORVAFM();
    act.state.running.Clear();

    act.timedStarts.Arm(*Torva().definition, MinutesNow());
    for (const auto kind : {activation::TimedKind::Elapsed, activation::TimedKind::Clock}) {
        for (int n = 1; n <= 2; ++n) {
            if (!act.timedStarts.Armed(kind, n)) continue;
            window.SetTimer(TimerId(kind, n), activation::kTimedStartIntervalMs,
                            [kind, n] { TimedStartTick(kind, n); });
        }
    }

    if (Torva().options().remoteControl) {
        // Another menu on this machine may own the name: remote control is then silently off.
        platform::MailslotOpen open = act.mailslots.Create(std::string(activation::kMailslotName));
        act.mailslot = std::move(open.receiver);
        if (act.mailslot)
            window.SetTimer(kMailslotTimerId, activation::kMailslotPollIntervalMs, MailslotTick);
    }
}

void TORVAFM_OnClosing() {
    ActivationRuntime& act = Activation();
    if (!act.mailslot) return;
    // Also when the close is then refused: the slot is not opened again.
    TORVAFM().KillTimer(kMailslotTimerId);
    act.mailslot.reset();
}

}  // namespace torva::runtime::win32
