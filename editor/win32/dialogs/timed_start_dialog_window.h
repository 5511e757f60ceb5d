#pragma once
// TVTIMEFM: the timed-start dialog on screen, two sides of two rows over the timed-start logic.

#include <windows.h>

#include "editor/dialogs/timed_start_dialog.h"
#include "editor/win32/dialogs/definition_dialog.h"

namespace torva::editor::win32 {

class TimedStartDialogWindow : public DefinitionDialog {
  public:
    TimedStartDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report);

    bool Open(HWND owner) override;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;

  private:
    dialogs::TimedSideTexts ReadBoxes() const;
    void ShowSide();
    void SwitchTo(int side);
    void Ok();

    dialogs::TimedStartDialogModel model_;
};

}  // namespace torva::editor::win32
