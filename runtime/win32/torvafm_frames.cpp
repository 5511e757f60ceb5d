// The button frames, the selection, the pressed edges and each button's light edges and caption
// focus rectangle: composed over the rendered page whenever the focus or the press changes.
#include "common/error_state.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

void MenuWindow::ComposeButton(int n) {
    if (n < 1 || n > layout_.buttonCount) return;
    ErrorLocation here(rt_.error, 986);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    const menuview::win32::SlotImage& slot = page_.slots[static_cast<std::size_t>(n - 1)];
    if (!slot.face) return;
    // The caption's dotted rectangle (caption modes only) follows the last focused button, not the
    // keyboard focus: it stays while another program is in front and leaves only when another
    // button takes the focus.
    const bool focused = n == lastFocused_;
    menuview::win32::ComposeSlot(slot, b.pressed, focused, b.image);
    InvalidateRect(b.hwnd, nullptr, FALSE);
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
    InvalidateRect(Handle(), nullptr, FALSE);
    if (titleTip_) InvalidateRect(titleTip_, nullptr, FALSE);
}

}  // namespace torva::runtime::win32
