#pragma once
// TVVERFM: the editor's version box, shown modeless over the disabled main window.

#include <windows.h>

#include "common/error_state.h"
#include "ui/win32/dialog.h"

namespace torva::editor::win32 {

class VersionBox : public ui::win32::Dialog {
  public:
    VersionBox(ui::win32::FatalReport& report, ErrorState& error, HINSTANCE instance)
        : Dialog(report), error_(error), instance_(instance) {}

    // Disables the owner and shows the box; OK enables the owner again and brings it forward.
    bool Show(HWND owner);

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;

  private:
    void Close();

    ErrorState& error_;
    HINSTANCE instance_;
    HWND owner_ = nullptr;
};

}  // namespace torva::editor::win32
