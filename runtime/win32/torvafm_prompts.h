#pragma once
// The modal prompts button activation needs over the menu window: the button password (with its
// guide) and the input box of a remote message.

#include <windows.h>

#include <optional>
#include <string>

namespace torva::runtime::win32 {

struct TorvaRuntime;

// True when the user entered the button's password; false when cancelled.
bool AskButtonPassword(TorvaRuntime& rt, HWND owner, const std::string& password, const std::string& guide);
// The text entered, nothing when cancelled.
std::optional<std::string> AskInputText(TorvaRuntime& rt, HWND owner, const std::string& prompt);

}  // namespace torva::runtime::win32
