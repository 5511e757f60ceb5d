#pragma once
// TVVERFM: the editor's version box, shown modeless over the disabled main window.

#include <windows.h>

#include "ui/win32/dialog.h"

namespace torva::editor::win32 {

class VersionBox : public ui::win32::Dialog {
  public:
    VersionBox(ui::win32::FatalReport& report, HINSTANCE instance) : Dialog(report), instance_(instance) {}

    // Disables the owner and shows the box; OK enables the owner again and brings it forward.
    bool Show(HWND owner);

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;

  private:
    void Close();

    HINSTANCE instance_;
    HWND owner_ = nullptr;
};

}  // namespace torva::editor::win32
