// The button frames, the selection, the pressed edges and each button's light edges and caption
// focus rectangle: composed over the rendered page whenever the focus or the press changes.
//
// The window's image is the whole page as shown, its title bars and buttons included, and the
// window paints over its controls: a new page is one paint of the window rather than one of every
// control. A control paints its own image (the same pixels) only when it alone changes.
#include "common/error_state.h"
#include "menuview/frame_lines.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

void MenuWindow::ComposeButton(int n) {
    if (ComposeButtonImage(n)) InvalidateRect(buttons_[static_cast<std::size_t>(n - 1)].hwnd, nullptr, FALSE);
}

bool MenuWindow::ComposeButtonImage(int n) {
    if (n < 1 || n > layout_.buttonCount) return false;
    ErrorLocation here(rt_.error, 986);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    const menuview::win32::SlotImage& slot = page_.slots[static_cast<std::size_t>(n - 1)];
    if (!slot.face) return false;
    // The caption's dotted rectangle (caption modes only) follows the last focused button, not the
    // keyboard focus: it stays while another program is in front and leaves only when another
    // button takes the focus.
    const bool focused = n == lastFocused_;
    menuview::win32::ComposeSlot(slot, b.pressed, focused, b.image);
    PlaceButtonImage(n);
    return true;
}

void MenuWindow::PlaceButtonImage(int n) {
    const ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    if (!window_ || !b.image) return;
    const int shift = b.pressed ? menuview::kPressOffset : 0;
    b.image.CopyTo(window_.dc(), b.restLeft + shift, b.restTop + shift);
}

void MenuWindow::ComposeWindow() {
    ErrorLocation here(rt_.error, 987);
    menuview::win32::PageLook look;
    look.selectedButton = lastFocused_;
    for (int n = 1; n <= layout_.buttonCount; ++n) {
        ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
        const PixelRect& home = layout_.buttons[static_cast<std::size_t>(n - 1)];
        b.restLeft = home.left;
        b.restTop = home.top;
        look.pressed[static_cast<std::size_t>(n - 1)] = b.pressed;
    }
    menuview::win32::ComposeWindow(page_, layout_, look, window_);
    if (!window_) return;
    for (std::size_t i = 0; i < page_.titles.size(); ++i) {
        if (!page_.titles[i].shown) continue;
        const PixelRect& at = layout_.titles[i];
        page_.titles[i].image.CopyTo(window_.dc(), at.left, at.top);
    }
    for (int n = 1; n <= layout_.buttonCount; ++n) PlaceButtonImage(n);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
}

void MenuWindow::ValidateControls(HRGN region) const {
    const auto validate = [&](HWND control) {
        if (!control || !IsWindowVisible(control)) return;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        // The region in the control's own coordinates, then back for the next control.
        OffsetRgn(region, -r.left, -r.top);
        ValidateRgn(control, region);
        OffsetRgn(region, r.left, r.top);
    };
    for (int n = 1; n <= layout_.buttonCount; ++n) validate(buttons_[static_cast<std::size_t>(n - 1)].hwnd);
    for (const TitleState& bar : titles_) validate(bar.hwnd);
    validate(titleTip_);
}

}  // namespace torva::runtime::win32
