#pragma once
// The system's open and save dialogs for the File menu's commands.

#include <windows.h>

#include <optional>
#include <string>

#include "editor/file_dialogs.h"

namespace torva::editor::win32 {

// The chosen full path, or nothing when the dialog was cancelled.
std::optional<std::string> RunFileDialog(HWND owner, const FileDialogSettings& settings,
                                         const std::string& initialFolder);

}  // namespace torva::editor::win32
