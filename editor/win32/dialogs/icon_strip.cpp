#include "editor/win32/dialogs/icon_strip.h"

#include <shellapi.h>
#include <windowsx.h>

#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TorvaIconStrip";
constexpr int kCellTwips = 540;  // a 32-pixel icon at (2, 2) with room around it at 96 dpi
constexpr int kGapTwips = 30;
constexpr int kScrollTwips = 255;
// An id no dialog uses, so that the scroll bar is never taken for a control of the dialog.
constexpr int kScrollBarId = 0x7F01;
constexpr COLORREF kChosenBlue = RGB(0, 0, 255);

}  // namespace

void IconStrip::Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at) {
    // A control parent, so that Tab reaches the scroll bar inside it.
    CreateControl(maker, kClassName, 0, 0, id, at, WS_EX_CONTROLPARENT);
    const ui::win32::ControlMaker inside(hwnd_, maker.Dpi());
    const int width = dialogs::kIconCells * (kCellTwips + kGapTwips) - kGapTwips;
    scroll_ = inside.Add(L"SCROLLBAR", L"", WS_TABSTOP | SBS_HORZ, kScrollBarId,
                         {0, kCellTwips + 60, width, kScrollTwips});
    Refresh();
}

RECT IconStrip::CellRect(int k) const {
    const int left = k * (kCellTwips + kGapTwips);
    return RECT{TwipsToPixels(left, dpi_), 0, TwipsToPixels(left + kCellTwips, dpi_),
                TwipsToPixels(kCellTwips, dpi_)};
}

void IconStrip::Release() {
    images_.clear();
}

void IconStrip::Apply(const dialogs::IconLoad& load) {
    if (load.changed) {
        Release();
        if (load.count > 0) {
            // One at a time: asked for many at once, some systems fill only the first.
            const std::wstring path = torva::win32::Wide(load.path);
            images_.reserve(static_cast<std::size_t>(load.count));
            for (int index = 0; index < load.count; ++index) {
                HICON large = nullptr;
                ExtractIconExW(path.c_str(), index, &large, nullptr, 1);
                images_.emplace_back(large);
            }
        }
    }
    Refresh();
}

void IconStrip::Refresh() {
    if (!scroll_) return;
    // Range first, then the position inside it: a position set together with a new range can be
    // clamped to the old one.
    SetScrollRange(scroll_, SB_CTL, 0, picker_.ScrollMax(), FALSE);
    SetScrollPos(scroll_, SB_CTL, picker_.cursor(), TRUE);
    EnableWindow(scroll_, picker_.ScrollMax() > 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void IconStrip::OnScroll(int request) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(scroll_, SB_CTL, &info);
    int pos = info.nPos;
    switch (request) {
        case SB_LINELEFT:
            pos -= 1;
            break;
        case SB_LINERIGHT:
            pos += 1;
            break;
        case SB_PAGELEFT:
            pos -= dialogs::kIconCells;
            break;
        case SB_PAGERIGHT:
            pos += dialogs::kIconCells;
            break;
        case SB_LEFT:
            pos = info.nMin;
            break;
        case SB_RIGHT:
            pos = info.nMax;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = info.nTrackPos;
            break;
        default:
            return;
    }
    if (pos < 0) pos = 0;
    if (pos > picker_.ScrollMax()) pos = picker_.ScrollMax();
    if (picker_.Scroll(pos)) {
        Refresh();
        NotifyParent(kChanged);
    }
}

LRESULT IconStrip::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_HSCROLL:
            OnScroll(LOWORD(wParam));
            return 0;
        case WM_LBUTTONDOWN: {
            const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            for (int k = 0; k < dialogs::kIconCells; ++k) {
                const RECT r = CellRect(k);
                if (PtInRect(&r, p) && picker_.Click(k)) {
                    Refresh();
                    NotifyParent(kChanged);
                    break;
                }
            }
            SetFocus(scroll_);
            return 0;
        }
        case WM_SETFOCUS:
            SetFocus(scroll_);
            return 0;
        case WM_DESTROY:
            Release();
            return 0;
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void IconStrip::Paint(HDC dc, const RECT&) {
    const auto cells = picker_.Cells();
    for (int k = 0; k < dialogs::kIconCells; ++k) {
        RECT r = CellRect(k);
        const dialogs::IconCell& cell = cells[static_cast<std::size_t>(k)];
        if (cell.selected) {
            HBRUSH blue = CreateSolidBrush(kChosenBlue);
            FillRect(dc, &r, blue);
            DeleteObject(blue);
        }
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
        if (cell.index >= 0 && static_cast<std::size_t>(cell.index) < images_.size()) {
            if (HICON icon = images_[static_cast<std::size_t>(cell.index)].get()) {
                DrawIconEx(dc, r.left + 2, r.top + 2, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
            }
        }
    }
}

}  // namespace torva::editor::win32
