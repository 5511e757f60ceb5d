#include "editor/win32/dialogs/palette_control.h"

#include <windowsx.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TorvaColourPalette";
constexpr int kColumns = 12;
constexpr int kCellTwips = 345;
constexpr int kPitchTwips = 405;
constexpr int kLabelTwips = 1260;

}  // namespace

COLORREF ScreenColour(dialogs::Colour value) {
    if (value & 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFF));
    if (value == definition::kTransparent || value == definition::kSemiTransparent) {
        return GetSysColor(COLOR_BTNFACE);
    }
    return static_cast<COLORREF>(value & 0x00FFFFFF);
}

void PaletteControl::Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at, HGDIOBJ font,
                            dialogs::PaletteUse use) {
    font_ = font;
    use_ = use;
    CreateControl(maker, kClassName, CS_HREDRAW | CS_VREDRAW, WS_TABSTOP, id, at);
}

RECT PaletteControl::CellRect(int cell) const {
    int left = 0;
    int top = 0;
    if (cell < dialogs::kFixedCells) {
        left = (cell % kColumns) * kPitchTwips;
        top = (cell / kColumns) * kPitchTwips;
    } else {
        // The three special cells in one row below the colours, each followed by its label.
        left = (cell - dialogs::kDefaultCell) * (kPitchTwips + kLabelTwips);
        top = (dialogs::kFixedCells / kColumns) * kPitchTwips + 120;
    }
    return RECT{Pixels(left), Pixels(top), Pixels(left + kCellTwips), Pixels(top + kCellTwips)};
}

RECT PaletteControl::SwatchRect() const {
    const int left = kColumns * kPitchTwips + 180;
    return RECT{Pixels(left), 0, Pixels(left + 1200), Pixels(3 * kPitchTwips + kCellTwips)};
}

int PaletteControl::CellAt(POINT p) const {
    for (int cell = 0; cell < dialogs::kPaletteCells; ++cell) {
        if (!dialogs::CellShown(cell, use_)) continue;
        const RECT r = CellRect(cell);
        if (PtInRect(&r, p)) return cell;
    }
    return dialogs::kNoCell;
}

void PaletteControl::ShowColour(dialogs::Colour value) {
    selected_ = dialogs::CellForColour(value, use_);
    swatch_ = value;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void PaletteControl::Pick(int cell) {
    if (!dialogs::CellShown(cell, use_)) return;
    selected_ = cell;
    swatch_ = dialogs::PickCell(cell, use_, swatch_);
    InvalidateRect(hwnd_, nullptr, TRUE);
    NotifyParent(kPicked);
}

LRESULT PaletteControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN: {
            SetFocus(hwnd_);
            const int cell = CellAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            if (cell != dialogs::kNoCell) Pick(cell);
            return 0;
        }
        case WM_KEYDOWN: {
            if (wParam != VK_LEFT && wParam != VK_RIGHT && wParam != VK_UP && wParam != VK_DOWN) {
                return DefWindowProcW(hwnd_, message, wParam, lParam);
            }
            if (selected_ == dialogs::kNoCell) {
                Pick(0);
                return 0;
            }
            const int from = selected_;
            int to = from;
            if (wParam == VK_LEFT) to = from - 1;
            if (wParam == VK_RIGHT) to = from + 1;
            if (wParam == VK_UP)
                to = from >= dialogs::kDefaultCell ? dialogs::kFixedCells - kColumns : from - kColumns;
            if (wParam == VK_DOWN)
                to = from + kColumns >= dialogs::kFixedCells ? dialogs::kDefaultCell : from + kColumns;
            if (to != from && dialogs::CellShown(to, use_)) Pick(to);
            return 0;
        }
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void PaletteControl::Paint(HDC dc, const RECT&) {
    HGDIOBJ oldFont = SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    const bool focused = GetFocus() == hwnd_;
    for (int cell = 0; cell < dialogs::kPaletteCells; ++cell) {
        if (!dialogs::CellShown(cell, use_)) continue;
        RECT r = CellRect(cell);
        const dialogs::CellFace face = dialogs::CellFaceOf(cell, use_);
        torva::win32::UniqueGdiObject brush(CreateSolidBrush(ScreenColour(face.colour)));
        FillRect(dc, &r, static_cast<HBRUSH>(brush.get()));
        // The chosen cell looks pressed, the others raised.
        DrawEdge(dc, &r, cell == selected_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        if (!face.caption.empty()) {
            const std::wstring caption = torva::win32::Wide(face.caption);
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            DrawTextW(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        if (cell == selected_) {
            RECT outer = r;
            InflateRect(&outer, 2, 2);
            FrameRect(dc, &outer, GetSysColorBrush(COLOR_HIGHLIGHT));
            if (focused) {
                InflateRect(&outer, 1, 1);
                DrawFocusRect(dc, &outer);
            }
        }
        if (cell >= dialogs::kDefaultCell) {
            std::string_view label = cell == dialogs::kDefaultCell       ? dialogs::kDefaultCellLabel
                                     : cell == dialogs::kTransparentCell ? dialogs::kTransparentLabel
                                                                         : dialogs::kSemiTransparentLabel;
            const std::wstring text = torva::win32::Wide(label);
            RECT t{r.right + Pixels(60), r.top, r.right + Pixels(kLabelTwips), r.bottom};
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            DrawTextW(dc, text.c_str(), -1, &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    RECT swatch = SwatchRect();
    const dialogs::CellFace face = dialogs::SwatchFor(swatch_, use_);
    torva::win32::UniqueGdiObject brush(CreateSolidBrush(ScreenColour(face.colour)));
    FillRect(dc, &swatch, static_cast<HBRUSH>(brush.get()));
    DrawEdge(dc, &swatch, EDGE_SUNKEN, BF_RECT);
    if (!face.caption.empty()) {
        const std::wstring caption = torva::win32::Wide(face.caption);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, caption.c_str(), -1, &swatch, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

}  // namespace torva::editor::win32
