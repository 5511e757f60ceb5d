// TVSETUPFM: the selection follows the keyboard focus; keys move it, change the page and run the
// editing shortcuts; the mouse presses slots and titles and opens dialogs and context menus; files
// dropped on a slot fill it.

#include <vector>

#include "editor/file_drop.h"
#include "editor/location_codes.h"
#include "editor/win32/tvsetupfm.h"
#include "editor/win32/win_api.h"
#include "menuview/frame_lines.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

int MainWindow::ElementOf(HWND control) const {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].hwnd == control) return static_cast<int>(i) + 1;
    }
    for (std::size_t t = 0; t < titles_.size(); ++t) {
        if (titles_[t].hwnd == control) return kMainTitle + static_cast<int>(t);
    }
    return 0;
}

HWND MainWindow::ControlOf(int element) const {
    if (IsSlot(element)) return slots_[static_cast<std::size_t>(element - 1)].hwnd;
    if (IsTitle(element)) return titles_[static_cast<std::size_t>(element - kMainTitle)].hwnd;
    return nullptr;
}

LRESULT MainWindow::OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const int element = ElementOf(control);
    const bool slot = IsSlot(element);
    if (message == WM_MOUSEMOVE) OnMouseSeen(control, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            PaintControl(control);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_SETFOCUS:
            OnElementFocus(element);
            return 0;
        case WM_KILLFOCUS:
            OnElementBlur(element);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (message == WM_KEYDOWN && OnKey(static_cast<UINT>(wParam))) return 0;
            break;
        case WM_CHAR:
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetCapture(control);
            OnMouseDown(element, message == WM_LBUTTONDOWN);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(element, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            return 0;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            if (GetCapture() == control) ReleaseCapture();
            OnMouseUp(element, message == WM_LBUTTONUP);
            return 0;
        case WM_CAPTURECHANGED:
            // A press that lost the mouse to another window (a box, a menu) ends without effect.
            if (slot && slots_[static_cast<std::size_t>(element - 1)].pressed)
                ApplyPressLook(element, PressLook::Normal);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(control, message, wParam, lParam);
}

void MainWindow::FocusElement(int element) {
    HWND control = ControlOf(element);
    if (control && IsWindowVisible(control)) SetFocus(control);
}

void MainWindow::OnElementFocus(int element) {
    ErrorLocation here(program_.store->error(),
                       IsTitle(element) ? location::kTitleFocus : location::kSlotFocus);
    session_.Focus(element);
    AfterEvent();
}

void MainWindow::OnElementBlur(int element) {
    ErrorLocation here(program_.store->error(), location::kSlotLostFocus);
    // Behind a dialog the selection stays marked, so the user sees what the dialog edits.
    if (!IsSlot(element) || element != markedSlot_ || !IsWindowEnabled(Handle())) return;
    markedSlot_ = 0;
    ComposeSlot(element);
}

bool MainWindow::OnKey(UINT key) {
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (control) {
        MenuId id = MenuId::None;
        switch (key) {
            case 'N':
                id = MenuId::FileNew;
                break;
            case 'O':
                id = MenuId::FileOpen;
                break;
            case 'S':
                id = MenuId::FileUpdate;
                break;
            case 'A':
                id = MenuId::FileAdd;
                break;
            case 'X':
                id = MenuId::EditCut;
                break;
            case 'C':
                id = MenuId::EditCopy;
                break;
            case 'V':
                id = MenuId::EditPaste;
                break;
            default:
                return false;
        }
        RunCommand(id);
        return true;
    }
    EditorKey editorKey = EditorKey::Enter;
    switch (key) {
        case VK_DELETE:
            RunCommand(MenuId::EditDel);
            return true;
        case VK_RETURN:
            editorKey = EditorKey::Enter;
            break;
        case VK_UP:
            editorKey = EditorKey::Up;
            break;
        case VK_DOWN:
            editorKey = EditorKey::Down;
            break;
        case VK_LEFT:
            editorKey = EditorKey::Left;
            break;
        case VK_RIGHT:
            editorKey = EditorKey::Right;
            break;
        case VK_HOME:
            editorKey = EditorKey::Home;
            break;
        case VK_PRIOR:
            editorKey = EditorKey::PageUp;
            break;
        case VK_NEXT:
            editorKey = EditorKey::PageDown;
            break;
        case VK_END:
            editorKey = EditorKey::End;
            break;
        default:
            return false;
    }
    const WindowRequest request = session_.Key(editorKey);
    AfterEvent();
    HandleRequest(request);
    return true;
}

void MainWindow::ApplyPressLook(int slot, PressLook look) {
    if (look == PressLook::Unchanged || !IsSlot(slot) || slot > layout_.buttonCount) return;
    SlotControl& control = slots_[static_cast<std::size_t>(slot - 1)];
    control.pressed = look == PressLook::Pressed;
    const menuview::PixelRect& home = layout_.buttons[static_cast<std::size_t>(slot - 1)];
    const int shift = control.pressed ? menuview::kPressOffset : 0;
    SetWindowPos(control.hwnd, nullptr, home.left + shift, home.top + shift, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The window repaints the slot with the pressed edges around it.
    ComposeSlotImage(slot);
    ComposeWindow();
}

void MainWindow::OnMouseDown(int element, bool left) {
    const bool slot = IsSlot(element);
    ErrorLocation here(program_.store->error(), slot ? location::kSlotMouseDown : location::kTitleMouseDown);
    PressTracker& tracker = slot ? slots_[static_cast<std::size_t>(element - 1)].press
                                 : titles_[static_cast<std::size_t>(element - kMainTitle)].press;
    const PressStep step = tracker.Down(left);
    if (step.takeFocus) FocusElement(element);
    if (slot) ApplyPressLook(element, step.look);
}

void MainWindow::OnMouseMove(int element, int x, int y) {
    const bool slot = IsSlot(element);
    if (!slot && !IsTitle(element)) return;
    ErrorLocation here(program_.store->error(), slot ? location::kSlotMouseMove : location::kTitleMouseMove);
    RECT r{};
    GetClientRect(ControlOf(element), &r);
    PressTracker& tracker = slot ? slots_[static_cast<std::size_t>(element - 1)].press
                                 : titles_[static_cast<std::size_t>(element - kMainTitle)].press;
    const PressStep step = tracker.Move(x, y, r.right, r.bottom);
    if (step.takeFocus) FocusElement(element);
    if (slot) ApplyPressLook(element, step.look);
}

void MainWindow::OnMouseUp(int element, bool left) {
    const bool slot = IsSlot(element);
    if (!slot && !IsTitle(element)) return;
    ErrorLocation here(program_.store->error(), slot ? location::kSlotMouseUp : location::kTitleMouseUp);
    PressTracker& tracker = slot ? slots_[static_cast<std::size_t>(element - 1)].press
                                 : titles_[static_cast<std::size_t>(element - kMainTitle)].press;
    const PressStep step = tracker.Up(left);
    if (slot) ApplyPressLook(element, step.look);
    switch (step.action) {
        case ReleaseAction::None:
            break;
        case ReleaseAction::OpenDialog: {
            ErrorLocation click(program_.store->error(), slot ? location::kSlotClick : location::kTitleClick);
            HandleRequest(slot ? WindowRequest::ButtonDialog : WindowRequest::TitleDialog);
            break;
        }
        case ReleaseAction::ContextMenu: {
            POINT at{};
            GetCursorPos(&at);
            ShowContextMenu(ContextMenu::Element, at);
            break;
        }
    }
}

void MainWindow::OnDrop(HDROP drop) {
    ErrorLocation here(program_.store->error(), location::kDrop);
    POINT at{};
    DragQueryPoint(drop, &at);
    std::vector<SlotRect> rects;
    for (int i = 1; i <= layout_.buttonCount; ++i) {
        const menuview::PixelRect& r = layout_.buttons[static_cast<std::size_t>(i - 1)];
        rects.push_back({r.left, r.top, r.width, r.height});
    }
    const int slot = SlotAtPoint(rects, at.x, at.y);
    if (slot != 0) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        DragQueryFileW(drop, 0, name.data(), length + 1);
        name.resize(length);
        const IconLookup env{*program_.files,       *program_.registry,
                             program_.iconFiles,    program_.windowsFolder,
                             program_.systemFolder, program_.store->at(definition::kLocationExtension)};
        const DroppedItem item = DescribeDrop(torva::win32::Narrow(name), env);
        FillSlotFromDrop(session_.model().Page(session_.state().currentPage), slot, item);
        session_.SlotFilledByDrop(slot);
        AfterEvent();
    }
    DragFinish(drop);
    SetForegroundWindow(Handle());
}

}  // namespace torva::editor::win32
