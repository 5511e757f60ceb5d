#pragma once
// TVMSGFM: the small window shown while a definition is read, written, converted or listed. It
// paints at once, since the work that follows keeps the message loop busy.

#include <windows.h>

#include <string_view>

#include "platform/win32/unique_handle.h"
#include "ui/win32/window.h"

namespace torva::editor::win32 {

class ProgressWindow : public ui::win32::Window {
  public:
    ProgressWindow(ui::win32::FatalReport& report, HINSTANCE instance)
        : Window(report), instance_(instance) {}

    // Shows the window centred over owner (or the screen) with the caption, and paints it.
    void Show(HWND owner, std::string_view caption);
    void Hide();

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Paint();

    HINSTANCE instance_;
    std::wstring text_;
    torva::win32::UniqueGdiObject font_;
};

}  // namespace torva::editor::win32
