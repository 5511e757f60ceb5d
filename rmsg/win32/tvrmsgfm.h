#pragma once
// TVRMSGFM: the viewer's one window, with the received text in MSG and an OK button that closes it.

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "rmsg/remote_message.h"
#include "ui/win32/window.h"

namespace torva::rmsg {

// Control ids; OK answers to Enter as well as to a click.
inline constexpr int kIdFrame1 = 101;
inline constexpr int kIdMsg = 102;
inline constexpr int kIdOk = IDOK;

class TVRMSGFM : public ui::win32::Window {
  public:
    explicit TVRMSGFM(ui::win32::FatalReport& report) : Window(report) {}

    // Builds the window centred on the screen and shows it topmost. Raises RunError when the
    // window cannot be made. Closing it posts the quit message.
    void Open(const RemoteMessage& message);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void OK_Click();

    win32::UniqueGdiObject msgFont_;
    win32::UniqueGdiObject controlFont_;
};

}  // namespace torva::rmsg
