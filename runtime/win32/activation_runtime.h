#pragma once
// Button activation, the timed starts and the mailslot receiver behind the menu window. Made by the
// entry once the platform services exist, after the window object it drives.

#include <memory>

#include "platform/mailslot.h"
#include "platform/win32/mailslots.h"
#include "platform/win32/power.h"
#include "platform/win32/registry.h"
#include "runtime/activation/activation_state.h"
#include "runtime/activation/button_activation.h"
#include "runtime/activation/timed_starts.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm_cmd_click.h"
#include "runtime/win32/torvafm_host.h"

namespace torva::runtime::win32 {

class MenuWindow;

// Timer ids of the timed starts and the mailslot (the running-list and document timers are the
// window host's).
inline constexpr UINT_PTR kMailslotTimerId = 3;    // Timer3
inline constexpr UINT_PTR kElapsedTimerBase = 10;  // ATimer(n): 10 + n
inline constexpr UINT_PTR kClockTimerBase = 20;    // TTimer(n): 20 + n

class ActivationRuntime final : public MenuEvents {
  public:
    ActivationRuntime(TorvaRuntime& rt, MenuWindow& window);
    ActivationRuntime(const ActivationRuntime&) = delete;
    ActivationRuntime& operator=(const ActivationRuntime&) = delete;

    void TORVAFM_CMD_Click(int index) override;
    void TORVAFM_OnLoad() override;
    void TORVAFM_OnClosing() override;

  private:
    void TimedStartTick(activation::TimedKind kind, int n);
    void MailslotTick();

    TorvaRuntime& rt_;
    MenuWindow& window_;
    activation::ActivationState state_;
    activation::TimedStarts timedStarts_;
    // The open mailslot; empty without [RCTL], when its creation failed, and after the close.
    std::unique_ptr<platform::MailslotReceiver> mailslot_;
    torva::win32::Win32Registry registry_;
    torva::win32::Win32Power power_;
    torva::win32::Win32Mailslots mailslots_;
    TorvaWindowHost host_;
    activation::ActivationServices services_;
    activation::ButtonActivation handler_;
};

}  // namespace torva::runtime::win32
