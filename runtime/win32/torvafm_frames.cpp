// The raised frames around the buttons, the focus outline, the pressed edges, and each button's
// light edges and focus rectangle: composed over the page's images whenever focus or press change.
#include "common/error_state.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

void MenuWindow::ComposeButton(int n) {
    if (n < 1 || n > layout_.buttonCount) return;
    ErrorLocation here(Torva().error, 986);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    if (!b.face) return;
    if (b.image.width() != b.face.width() || b.image.height() != b.face.height()) {
        b.image = Canvas(b.face.width(), b.face.height());
    }
    b.image.CopyFrom(b.face, 0, 0);
    if (!b.pressed) {
        // CLine1 and CLine2: the light left and top edges, hidden while the button is pressed.
        const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
        DrawLine(b.image.dc(), 0, 0, 0, b.image.height() - 1, light);
        DrawLine(b.image.dc(), 0, 0, b.image.width() - 1, 0, light);
    }
    // CMDC: the dotted rectangle around the caption of the focused button (caption modes only).
    const bool focused = n == lastFocused_ && (GetFocus() == b.hwnd || !IsWindowEnabled(hwnd_));
    if (focused && layout_.captions && b.captionRect.right > b.captionRect.left) {
        SetTextColor(b.image.dc(), RGB(0, 0, 0));
        SetBkColor(b.image.dc(), RGB(255, 255, 255));
        DrawFocusRect(b.image.dc(), &b.captionRect);
    }
    InvalidateRect(b.hwnd, nullptr, FALSE);
}

void MenuWindow::ComposeWindow() {
    ErrorLocation here(Torva().error, 987);
    if (window_.width() != base_.width() || window_.height() != base_.height()) {
        window_ = Canvas(base_.width(), base_.height());
    }
    window_.CopyFrom(base_, 0, 0);
    HDC dc = window_.dc();
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    for (int n = 1; n <= layout_.buttonCount; ++n) {
        ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
        const PixelRect& r0 = layout_.buttons[static_cast<std::size_t>(n - 1)];
        b.restLeft = r0.left;
        b.restTop = r0.top;
        const int L = r0.left, T = r0.top, R = r0.right(), B = r0.bottom();
        DrawLine(dc, L - 1, T - 1, R + 2, T - 1, black);
        DrawLine(dc, L - 1, T - 1, L - 1, B + 2, black);
        DrawLine(dc, R + 2, T - 1, R + 2, B + 2, black);
        DrawLine(dc, L - 1, B + 2, R + 2, B + 2, black);
        DrawLine(dc, R, T + 1, R, B + 1, shadow);
        DrawLine(dc, R + 1, T + 1, R + 1, B + 1, shadow);
        DrawLine(dc, L + 1, B, R + 1, B, shadow);
        DrawLine(dc, L + 1, B + 1, R + 1, B + 1, shadow);
        DrawLine(dc, L, B, L, B + 1, light);
        DrawLine(dc, R, T, R + 1, T, light);
        if (b.pressed) {
            // SLine1 and SLine2 along the top and left edges the pressed button has left.
            DrawLine(dc, L, T, R + 1, T, shadow);
            DrawLine(dc, L, T, L, B + 1, shadow);
        }
    }
    if (lastFocused_ >= 1 && lastFocused_ <= layout_.buttonCount) {
        // Line1..Line8: a second black outline that makes the focused button's border double.
        const PixelRect& r = layout_.buttons[static_cast<std::size_t>(lastFocused_ - 1)];
        const int L = r.left - 2, T = r.top - 2, R = r.right() + 3, B = r.bottom() + 3;
        DrawLine(dc, L, T, R, T, black);
        DrawLine(dc, L, T, L, B, black);
        DrawLine(dc, R, T, R, B, black);
        DrawLine(dc, L, B, R, B, black);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (titleTip_) InvalidateRect(titleTip_, nullptr, FALSE);
}

}  // namespace torva::runtime::win32
