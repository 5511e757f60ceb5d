#pragma once
// Program-wide state of button activation, the timed starts and the mailslot receiver of the menu
// window. One instance per process, reached through Activation().

#include <memory>

#include "platform/mailslot.h"
#include "platform/win32/mailslots.h"
#include "platform/win32/power.h"
#include "platform/win32/registry.h"
#include "runtime/activation/activation_state.h"
#include "runtime/activation/button_activation.h"
#include "runtime/activation/timed_starts.h"
#include "runtime/win32/torvafm_host.h"

namespace torva::runtime::win32 {

// Timer ids of the timed starts and the mailslot (the running-list and document timers are the
// window host's).
inline constexpr UINT_PTR kMailslotTimerId = 3;    // Timer3
inline constexpr UINT_PTR kElapsedTimerBase = 10;  // ATimer(n): 10 + n
inline constexpr UINT_PTR kClockTimerBase = 20;    // TTimer(n): 20 + n

struct ActivationRuntime {
    ActivationRuntime();

    activation::ActivationState state;
    activation::TimedStarts timedStarts;
    // The open mailslot; empty without [RCTL], when its creation failed, and after the close.
    std::unique_ptr<platform::MailslotReceiver> mailslot;
    torva::win32::Win32Registry registry;
    torva::win32::Win32Power power;
    torva::win32::Win32Mailslots mailslots;
    TorvaWindowHost host;
    activation::ActivationServices services;
    activation::ButtonActivation handler;
};

ActivationRuntime& Activation();

}  // namespace torva::runtime::win32
