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
#include "ui/win32/owner_drawn_control.h"

namespace torva::editor::win32 {

class IconStrip : public ui::win32::OwnerDrawnControl {
  public:
    static constexpr int kChanged = 0x0702;

    explicit IconStrip(dialogs::IconPicker& picker) : picker_(picker) {}

    void Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at);

    // Applies what the picker asked for after a change of file, then shows the picker's state.
    void Apply(const dialogs::IconLoad& load);
    // Shows the picker's state (cells and scroll bar).
    void Refresh();
    // Releases every image.
    void Release();

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) override;
    RECT CellRect(int k) const;
    void OnScroll(int request);

    dialogs::IconPicker& picker_;
    HWND scroll_ = nullptr;
    std::vector<torva::win32::UniqueIcon> images_;
};

}  // namespace torva::editor::win32
