#pragma once
// The icon picker on screen: ten icon cells over a scroll bar, painted from the picker model, with
// the images of the loaded file owned here and released when another file is loaded or the control
// goes. The scroll bar takes the keyboard focus (a click on a cell passes it on), so the arrow keys
// move the choice. Changes are told to the parent with WM_COMMAND (id, kChanged).

#include <windows.h>

#include <vector>

#include "common/twips.h"
#include "editor/dialogs/icon_picker.h"
#include "platform/win32/unique_handle.h"
#include "ui/win32/controls.h"

namespace torva::editor::win32 {

class IconStrip {
  public:
    static constexpr int kChanged = 0x0702;

    explicit IconStrip(dialogs::IconPicker& picker) : picker_(picker) {}
    IconStrip(const IconStrip&) = delete;
    IconStrip& operator=(const IconStrip&) = delete;

    void Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at);

    // Applies what the picker asked for after a change of file, then shows the picker's state.
    void Apply(const dialogs::IconLoad& load);
    // Shows the picker's state (cells and scroll bar).
    void Refresh();
    // Releases every image.
    void Release();
    HWND Handle() const { return hwnd_; }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    RECT CellRect(int k) const;
    void OnScroll(int request);

    dialogs::IconPicker& picker_;
    HWND hwnd_ = nullptr;
    HWND scroll_ = nullptr;
    int id_ = 0;
    int dpi_ = kDefaultDpi;
    std::vector<torva::win32::UniqueIcon> images_;
};

}  // namespace torva::editor::win32
