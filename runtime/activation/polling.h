#pragma once
// What the menu's polling timers do on each tick: the running list of synchronous programs, the
// document opener the menu waits for, and the mailslot.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "journal/launch_journal.h"
#include "platform/mailslot.h"
#include "platform/processes.h"
#include "runtime/activation/activation_state.h"
#include "runtime/activation/menu_window_host.h"

namespace torva::activation {

inline constexpr unsigned kRunningPollIntervalMs = 750;
inline constexpr unsigned kDocumentPollIntervalMs = 750;
inline constexpr int16_t kRunningPollErrorCode = 900;
inline constexpr int16_t kDocumentPollErrorCode = 901;
inline constexpr int16_t kElapsedTimerErrorCode = 902;
inline constexpr int16_t kClockTimerErrorCode = 903;
inline constexpr int16_t kMailslotPollErrorCode = 904;

// The effective wait mode of a button, as the start used it.
int EffectiveWaitModeOf(const definition::MenuDefinition& def, int page, int button);

// Timer1: releases every button whose program has ended (RunningPrograms::Poll: no window any more
// after it showed one, or its process gone). The menu is enabled again
// when the released program locked it, and shown again (window state restored, brought to the
// front) when it hid or locked it, but only once no other
// running program (or document opener) still asks for the lock or the hiding: the first of two
// locking programs to end must not unlock the menu under the second. The timer stops when the
// list is empty. Each released program's end goes to the launch journal, when there is one.
void PollRunningList(const definition::MenuDefinition& def, ActivationState& state,
                     const platform::Processes& processes, MenuWindowHost& window,
                     journal::LaunchJournal* journal = nullptr);

// Timer2: while the document opener owns a window the menu stays disabled, and a "TORVA" window of
// the opener is kept in front of the menu; when it owns none the menu is enabled and the timer
// stops.
void PollDocumentWait(const definition::MenuDefinition& def, ActivationState& state,
                      const platform::Processes& processes, MenuWindowHost& window);

// Timer3: reads at most one message (converted from the ANSI code page); nothing when the slot is
// empty or cannot be read.
std::optional<std::string> ReadNextMailslotMessage(platform::MailslotReceiver& receiver);

// Acts on one received message: a remote press activates the button of its page through the
// pending flag; a text message starts the viewer with the sender and the text.
void HandleMailslotMessage(const std::string& message, ActivationState& state, platform::Processes& processes,
                           const std::string& programFolder, const std::function<void(int button)>& activate);

}  // namespace torva::activation
