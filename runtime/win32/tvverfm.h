#pragma once
// TVVERFM: the version dialog of the system menu. Not modal: the menu window is disabled while it
// is open and enabled again, and brought forward, when it closes (by OK, Esc or its caption).

#include <windows.h>

#include "common/error_state.h"
#include "ui/win32/dialog.h"

namespace torva::runtime::win32 {

class VersionBox : public ui::win32::Dialog {
  public:
    VersionBox(ui::win32::FatalReport& report, ErrorState& error) : Dialog(report), error_(error) {}

    // Opens the box over the menu window, or brings the open one forward.
    void Show(HWND menuWindow);

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;
    POINT Placement(HWND owner, SIZE outer) const override;

  private:
    void Close();

    ErrorState& error_;
    HWND menu_ = nullptr;
};

}  // namespace torva::runtime::win32
