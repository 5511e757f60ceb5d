#pragma once
// TVRMSGFM: the viewer's one window, with the received text in MSG and an OK button that closes it.

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "rmsg/remote_message.h"

namespace torva::rmsg {

// Control ids; OK answers to Enter as well as to a click.
inline constexpr int kIdFrame1 = 101;
inline constexpr int kIdMsg = 102;
inline constexpr int kIdOk = IDOK;

class TVRMSGFM {
  public:
    // Builds the window centred on the screen and shows it topmost. Raises RunError when the
    // window cannot be made.
    TVRMSGFM(HINSTANCE instance, const RemoteMessage& message);
    TVRMSGFM(const TVRMSGFM&) = delete;
    TVRMSGFM& operator=(const TVRMSGFM&) = delete;

    HWND Window() const { return window_.get(); }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OK_Click();

    win32::UniqueGdiObject msgFont_;
    win32::UniqueGdiObject controlFont_;
    win32::UniqueWindow window_;
};

}  // namespace torva::rmsg
