#pragma once
// The colour palette as one control: 48 colour cells in four rows, the default cell with its label,
// on backgrounds that allow them the transparent and semi-transparent cells with their labels, and
// the swatch showing the colour being edited. A click, or an arrow key while it has the focus, picks
// a cell and tells the parent with WM_COMMAND (id, kPicked).

#include <windows.h>

#include "common/twips.h"
#include "editor/dialogs/colour_palette.h"
#include "ui/win32/controls.h"
#include "ui/win32/owner_drawn_control.h"

namespace torva::editor::win32 {

class PaletteControl : public ui::win32::OwnerDrawnControl {
  public:
    static constexpr int kPicked = 0x0701;

    void Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at, HGDIOBJ font,
                dialogs::PaletteUse use);

    // Shows a value as the dialog opens or changes tabs: its cell selected, the swatch showing it.
    // Not a pick: no notification.
    void ShowColour(dialogs::Colour value);
    // The cell of the last pick (kNoCell before any).
    int PickedCell() const { return selected_; }

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) override;
    RECT CellRect(int cell) const;
    RECT SwatchRect() const;
    int CellAt(POINT p) const;
    void Pick(int cell);

    HGDIOBJ font_ = nullptr;
    dialogs::PaletteUse use_ = dialogs::PaletteUse::Text;
    int selected_ = dialogs::kNoCell;
    dialogs::Colour swatch_ = 0;
};

// A colour value as the screen paints it: system colours through the system, see-through values as
// the button face.
COLORREF ScreenColour(dialogs::Colour value);

}  // namespace torva::editor::win32
