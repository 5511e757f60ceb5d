#pragma once
// The one message pump of the programs. WM_QUIT is handled one way everywhere: the main loop ends
// with its code, and a pump that only dispatches what is pending (waits that must keep the windows
// alive) stops and leaves the quit message queued for the main loop, so nothing swallows it.
//
// Windows that want dialog keys (modeless dialogs, windows that called WantDialogKeys) get Tab,
// Enter and Esc through the dialog manager in every pump; the menu window, which handles its keys
// itself, does not ask.

#include <windows.h>

namespace torva::ui::win32 {

// Runs until WM_QUIT and returns its exit code.
int RunMessageLoop();
// Dispatches every pending message. False when WM_QUIT came (it is queued again).
bool PumpPending();
// Dispatches messages as they come for about the given time. False when WM_QUIT came.
bool PumpFor(DWORD milliseconds);

void WantDialogKeys(HWND topLevel);

}  // namespace torva::ui::win32
