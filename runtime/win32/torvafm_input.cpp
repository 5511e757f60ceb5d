// Focus, keyboard and mouse on the menu window and its buttons.
#include "common/error_state.h"
#include "runtime/navigation.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/torvafm_cmd_click.h"
#include "runtime/win32/win_api.h"
#include "ui/win32/message_pump.h"

namespace torva::runtime::win32 {

namespace {

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

int MenuWindow::ButtonOf(HWND control) const {
    for (int i = 0; i < kMaxButtons; ++i) {
        if (buttons_[static_cast<std::size_t>(i)].hwnd == control) return i + 1;
    }
    return 0;
}

void MenuWindow::FocusButton(int n) {
    if (n < 1 || n > layout_.buttonCount) return;
    HWND target = buttons_[static_cast<std::size_t>(n - 1)].hwnd;
    if (GetFocus() == target) return;
    SetFocus(target);
    // A hidden or disabled window cannot take the focus; the frame still moves to the button.
    if (GetFocus() != target) OnButtonFocus(n);
}

void MenuWindow::OnButtonFocus(int n) {
    ErrorLocation here(rt_.error, 941);
    if (n != lastFocused_) {
        const int previous = lastFocused_;
        lastFocused_ = n;
        // The selection frame moves: the window repaints, both buttons with it.
        ComposeButtonImage(previous);
        ComposeButtonImage(n);
        ComposeWindow();
        return;
    }
    ComposeButton(n);
}

void MenuWindow::OnButtonBlur(int) {
    ErrorLocation here(rt_.error, 942);
    // Nothing to redraw: the focus rectangle and the frame stay on the button until another button
    // takes the focus (OnButtonFocus), so a menu behind another program still shows its selection.
}

bool MenuWindow::OnWindowKey(UINT key) {
    TorvaRuntime& rt = rt_;
    if (key >= VK_F1 && key <= VK_F12) {
        if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
        const int n = static_cast<int>(key - VK_F1) + 1 + (KeyDown(VK_SHIFT) ? 12 : 0);
        if (n <= layout_.buttonCount && rt.definition->Page(currentPage_).Button(n).pfKey &&
            IsWindowEnabled(Handle())) {
            FocusButton(n);
            (void)ui::win32::PumpPending();
            events_->TORVAFM_CMD_Click(n);
        }
        return true;
    }
    if ((key == VK_PRIOR || key == VK_NEXT) && rt.options().pageKey) {
        DefinedPages defined{};
        for (int p = 1; p <= kMaxPages; ++p)
            defined[static_cast<std::size_t>(p)] = rt.definition->Page(p).defined;
        ShowPage(NextDefinedPage(currentPage_, key == VK_PRIOR, defined));
        return true;
    }
    return false;
}

void MenuWindow::OnButtonKey(int n, UINT key) {
    switch (key) {
        case VK_RETURN:
            events_->TORVAFM_CMD_Click(n);
            return;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            const ArrowKey arrow = key == VK_LEFT    ? ArrowKey::Left
                                   : key == VK_RIGHT ? ArrowKey::Right
                                   : key == VK_UP    ? ArrowKey::Up
                                                     : ArrowKey::Down;
            if (const int next = NextFocusButton(layout_.mode, n, arrow)) FocusButton(next);
            return;
        }
        default:
            return;
    }
}

void MenuWindow::ApplyPressLook(int n, PressLook look) {
    if (look == PressLook::Unchanged) return;
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    b.pressed = look == PressLook::Press;
    const int offset = b.pressed ? 2 : 0;
    SetWindowPos(b.hwnd, nullptr, b.restLeft + offset, b.restTop + offset, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ComposeButtonImage(n);
    ComposeWindow();
    UpdateWindow(Handle());
}

void MenuWindow::OnMouseDown(int n, bool left) {
    ErrorLocation here(rt_.error, 943);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    SetCapture(b.hwnd);
    const PressStep step = b.press.MouseDown(left);
    if (step.takeFocus) FocusButton(n);
    ApplyPressLook(n, step.look);
}

void MenuWindow::OnMouseMove(int n, int x, int y, bool leftHeld) {
    ErrorLocation here(rt_.error, 944);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    if (b.press.state() == ClickState::Idle) return;
    const PixelRect& r = layout_.buttons[static_cast<std::size_t>(n - 1)];
    const PressStep step = b.press.MouseMove(x, y, r.width, r.height, leftHeld);
    if (step.takeFocus) FocusButton(n);
    ApplyPressLook(n, step.look);
}

void MenuWindow::OnMouseUp(int n) {
    ErrorLocation here(rt_.error, 945);
    ButtonState& b = buttons_[static_cast<std::size_t>(n - 1)];
    if (GetCapture() == b.hwnd) ReleaseCapture();
    const PressStep step = b.press.MouseUp();
    ApplyPressLook(n, step.look);
    if (step.state == ClickState::LeftPressed || step.state == ClickState::OtherPressed)
        events_->TORVAFM_CMD_Click(n);
}

LRESULT MenuWindow::OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const int n = ButtonOf(control);
    if (message == WM_MOUSEMOVE) OnMouseSeen(control, message, wParam, lParam);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(control, &ps);
            if (n) {
                buttons_[static_cast<std::size_t>(n - 1)].image.CopyTo(dc, 0, 0);
            } else if (control == titleTip_) {
                // LabelDUMMY has no face of its own: the window shows through it.
                const PixelRect& r = layout_.titleTipLabel;
                BitBlt(dc, 0, 0, r.width, r.height, window_.dc(), r.left, r.top, SRCCOPY);
            } else {
                for (std::size_t i = 0; i < titles_.size(); ++i) {
                    if (titles_[i].hwnd == control) page_.titles[i].image.CopyTo(dc, 0, 0);
                }
            }
            EndPaint(control, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        default:
            break;
    }
    if (!n) return DefWindowProcW(control, message, wParam, lParam);
    switch (message) {
        case WM_SETFOCUS:
            OnButtonFocus(n);
            return 0;
        case WM_KILLFOCUS:
            OnButtonBlur(n);
            return 0;
        case WM_KEYDOWN:
            if (!OnWindowKey(static_cast<UINT>(wParam))) OnButtonKey(n, static_cast<UINT>(wParam));
            return 0;
        case WM_SYSKEYDOWN:
            // F10 arrives as a system key; Alt chords go on to the system (Alt+F4 closes).
            if (wParam == VK_F10 && OnWindowKey(VK_F10)) return 0;
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            OnMouseDown(n, message == WM_LBUTTONDOWN);
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == control)
                OnMouseMove(n, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_LBUTTON) != 0);
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            OnMouseUp(n);
            return 0;
        case WM_CAPTURECHANGED:
            return 0;
        default:
            break;
    }
    return DefWindowProcW(control, message, wParam, lParam);
}

}  // namespace torva::runtime::win32
