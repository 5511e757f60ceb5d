#pragma once
// The entry to the editor's definition dialogs for the main window. Each Open call disables the
// owner (the main window) and shows one dialog modeless; when that dialog ends it enables the owner,
// brings it forward and calls DialogHost::DialogClosed(stored, redraw). At most one dialog is open:
// while it is, the owner is disabled and a second Open does nothing and returns false.
//
//     DefinitionDialogs dialogs(host, report);     // one per main window, lives as long as it
//     dialogs.OpenButton(mainWindow, state.currentPage, state.focusIndex);          // slot 1..24
//     dialogs.OpenTitle(mainWindow, state.currentPage, state.focusIndex - 90);      // 1 main, 2 sub
//     dialogs.OpenBarTitle(mainWindow, state.currentPage);
//     dialogs.OpenTimedStarts(mainWindow);
//     dialogs.OpenStartEndPrograms(mainWindow);
//     dialogs.OpenPageStartPrograms(mainWindow, state.currentPage);
//
// The main loop must be ui::win32::RunMessageLoop, which gives the open dialog its keys (Tab, Enter
// for OK, Esc for Cancel).

#include <windows.h>

#include <memory>

#include "editor/dialogs/dialog_host.h"
#include "ui/win32/controls.h"
#include "ui/win32/fatal_guard.h"

namespace torva::editor::win32 {

class DefinitionDialog;

class DefinitionDialogs {
  public:
    DefinitionDialogs(dialogs::DialogHost& host, ui::win32::FatalReport& report);
    ~DefinitionDialogs();
    DefinitionDialogs(const DefinitionDialogs&) = delete;
    DefinitionDialogs& operator=(const DefinitionDialogs&) = delete;

    // TVBUTTONFM for button slot `slot` (1..24) of page `page` (1..99).
    bool OpenButton(HWND owner, int page, int slot);
    // TVTITLEFM for title `which` (1 main title, 2 sub title) of a page.
    bool OpenTitle(HWND owner, int page, int which);
    // TVVTITLEFM for the bar title, the page wait mode and, on page 1, the common background.
    bool OpenBarTitle(HWND owner, int page);
    // TVTIMEFM for the four timed starts.
    bool OpenTimedStarts(HWND owner);
    // TVSTENDFM for the start and end programs.
    bool OpenStartEndPrograms(HWND owner);
    // TVPSTRFM for the page start programs of a page.
    bool OpenPageStartPrograms(HWND owner, int page);

    // The dialog on screen, or null.
    HWND OpenDialog() const;

  private:
    bool Show(std::unique_ptr<DefinitionDialog> dialog, HWND owner);

    dialogs::DialogHost& host_;
    ui::win32::FatalReport& report_;
    // The last dialog shown, and the one before it: a closed dialog is only destroyed when a second
    // one has been opened after it, as its window procedure may still be on the stack when it tells
    // that it closed (and the main window may open the next dialog from that call).
    std::unique_ptr<DefinitionDialog> current_;
    std::unique_ptr<DefinitionDialog> retired_;
};

}  // namespace torva::editor::win32
