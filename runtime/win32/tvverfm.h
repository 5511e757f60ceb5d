#pragma once
// TVVERFM: the version dialog of the system menu. Not modal: the menu window is disabled while it
// is open and enabled again, and brought forward, when it closes.

#include <windows.h>

namespace torva::runtime::win32 {

void ShowVersionDialog(HINSTANCE instance, HWND menuWindow);
// The open dialog, for the message loop's dialog keys; null when none is open.
HWND VersionDialogWindow();

}  // namespace torva::runtime::win32
