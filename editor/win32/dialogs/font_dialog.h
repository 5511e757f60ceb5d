#pragma once
// The system font dialog opened from a dialog's font button.

#include <windows.h>

#include <optional>

#include "common/error_state.h"
#include "editor/dialogs/font_choice.h"

namespace torva::editor::win32 {

// The vertical resolution of a window's device, for the font height the dialog starts with.
int PixelsPerInchOf(HWND window);

// The face name's way into the dialog's structure and back, each noted where the caller says.
struct FaceNameSteps {
    StepLocation toDialog;
    StepLocation fromDialog;
};

// The editor's error state with its numbers for the two face name steps.
FaceNameSteps EditorFaceNameSteps(ErrorState& error);

// Nothing when the user cancelled.
std::optional<dialogs::FontAnswer> AskFont(HWND owner, const dialogs::FontRequest& request,
                                           const FaceNameSteps& steps = {});

}  // namespace torva::editor::win32
