#pragma once
// Driving the editor's dialogs from outside: its definition dialogs (found by caption, filled in
// through their controls by id) and the common file dialogs it opens. Sent messages return once the
// editor has handled them, so each step is done before the next one starts.

#include <windows.h>

#include <string>

#include "tvsetup_session.h"

namespace torva::e2e {

// The dialog of the editor with the caption, once it is on screen; null after the timeout.
HWND WaitForDialog(TvsetupSession& s, const std::string& caption);
// Waits until the dialog with the caption has gone and the main window is between two messages.
void WaitForDialogClosed(TvsetupSession& s, const std::string& caption);

// A control anywhere below the dialog (tab pages included); null when there is none.
HWND ControlOf(HWND dialog, int id);
// A message sent to a control of the editor, bounded.
LRESULT SendTo(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Types the text into a box and leaves it, as the user's next Tab would (the box's leave rules run).
void Type(HWND dialog, int id, const std::string& text);
// A click on a button, an option or a check box.
void Press(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
// The tab control's next page, as an arrow key on it.
void NextTab(HWND dialog);
// A left click on a control at a point given in twips from its corner.
void ClickTwips(HWND control, int xTwips, int yTwips);
// A click on a cell 0..50 of a colour palette control.
void PickCell(HWND palette, int cell);

// Types a path into the open or save dialog with the title and confirms it; the dialog must close.
void AnswerFileDialog(TvsetupSession& s, const std::string& title, const std::string& path);

}  // namespace torva::e2e
