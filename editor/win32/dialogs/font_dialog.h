#pragma once
// The system font dialog opened from a dialog's font button.

#include <windows.h>

#include <optional>

#include "editor/dialogs/font_choice.h"

namespace torva::editor::win32 {

// The vertical resolution of a window's device, for the font height the dialog starts with.
int PixelsPerInchOf(HWND window);

// Nothing when the user cancelled.
std::optional<dialogs::FontAnswer> AskFont(HWND owner, const dialogs::FontRequest& request);

}  // namespace torva::editor::win32
