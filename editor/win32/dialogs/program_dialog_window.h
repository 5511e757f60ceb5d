#pragma once
// TVSTENDFM and TVPSTRFM: the start/end program dialog and the page start program dialog, one window
// class over the twins' logic.

#include <windows.h>

#include "editor/dialogs/program_dialog.h"
#include "editor/win32/dialogs/definition_dialog.h"
#include "ui/win32/tab_pages.h"

namespace torva::editor::win32 {

class ProgramDialogWindow : public DefinitionDialog {
  public:
    // page: the page whose page start programs are edited (PageStart only).
    ProgramDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report,
                        dialogs::ProgramDialogKind kind, int page);

    bool Open(HWND owner) override;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;
    INT_PTR OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void MakePage(int tab);
    dialogs::ProgramTabBoxes ReadBoxes(int tab) const;
    void ShowBoxes(int tab, const dialogs::ProgramTabBoxes& boxes);
    void SwitchTo(int tab);
    void Ok();

    dialogs::ProgramDialogModel model_;
    ui::win32::TabPages tabs_;
};

}  // namespace torva::editor::win32
