#pragma once
// TVBUTTONFM: the button dialog on screen, four tabs over the button dialog's logic.

#include <windows.h>

#include "editor/dialogs/button_dialog.h"
#include "editor/win32/dialogs/definition_dialog.h"
#include "editor/win32/dialogs/icon_strip.h"
#include "editor/win32/dialogs/palette_control.h"
#include "ui/win32/tab_pages.h"

namespace torva::editor::win32 {

class ButtonDialogWindow : public DefinitionDialog {
  public:
    // Edits slot `slot` (1..24) of page `page` (1..99) of the host's model.
    ButtonDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report, int page, int slot);

    bool Open(HWND owner) override;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void MakeGeneralPage();
    void MakeIconPage();
    void ShowFields();
    void ShowActionStates();
    void ReadFields();
    void ShowTab(int tab);
    void LeaveField(int id);
    void BrowseProgram();
    void BrowseIcon();
    void Ok();

    int page_;
    int slot_;
    dialogs::ButtonDialogModel model_;
    ui::win32::TabPages tabs_;
    IconStrip strip_;
    PaletteControl captionPalette_;
    PaletteControl backPalette_;
};

}  // namespace torva::editor::win32
