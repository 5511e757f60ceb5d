// TVSETUPFM: the window laid out for the display mode (size, menu bar form, slots and titles),
// placed on the screen, and the selection brought back afterwards.

#include "editor/location_codes.h"
#include "editor/win32/tvsetupfm.h"
#include "editor/win32/win_api.h"
#include "editor/window_placement.h"
#include "platform/win32/system_library.h"

namespace torva::editor::win32 {

namespace {

constexpr wchar_t kControlClass[] = L"TVSETUPFM_CTL";

struct TwipsScale {
    int x = menuview::kTwipsPerPixel;
    int y = menuview::kTwipsPerPixel;
};

TwipsScale ReadScale() {
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return {dpiX > 0 ? 1440 / dpiX : menuview::kTwipsPerPixel,
            dpiY > 0 ? 1440 / dpiY : menuview::kTwipsPerPixel};
}

}  // namespace

void MainWindow::CreateControls() {
    RegisterControlClass(kControlClass);
    auto create = [&](int id) {
        return CreateWindowExW(0, kControlClass, L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0, 1, 1,
                               Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), program_.instance,
                               nullptr);
    };
    auto label = [&](int id, const wchar_t* text) {
        return CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 1, 1,
                               Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), program_.instance,
                               nullptr);
    };
    pageLabel_ = label(kPageLabelId, L"頁：");
    pageNumber_ = label(kPageNumberId, L"1");
    for (int t = 1; t <= 2; ++t)
        titles_[static_cast<std::size_t>(t - 1)].hwnd = create(kTitleControlIdBase + t);
    for (int i = 1; i <= menuview::kMaxButtons; ++i) {
        slots_[static_cast<std::size_t>(i - 1)].hwnd = create(kSlotControlIdBase + i);
    }
}

void MainWindow::OnMouseSeen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    tips_.OnMouseSeen(window, message, wParam, lParam, pointerAtShow_, [this] { AddTooltips(); });
}

void MainWindow::AddTooltips() {
    if (tips_.Created() || !Handle()) return;
    (void)torva::win32::LoadCommonControls(ICC_WIN95_CLASSES);
    tips_.Create(Handle(), program_.instance);
    for (const TitleControl& t : titles_) tips_.Add(t.hwnd);
    for (const SlotControl& s : slots_) tips_.Add(s.hwnd);
    UpdateTooltips();
}

void MainWindow::ApplyDisplayMode() {
    ErrorLocation here(program_.store->error(), location::kModeLayout);
    const int mode = session_.model().displayMode;
    layout_ = menuview::ComputeLayout(menuview::WindowKind::Editor, mode, screenWidth_, screenHeight_,
                                      program_.tallCaption);
    ApplyMenuBarForm();
    PlaceWindow();
    for (std::size_t t = 0; t < titles_.size(); ++t) {
        const menuview::PixelRect& r = layout_.titles[t];
        SetWindowPos(titles_[t].hwnd, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    for (int i = 1; i <= menuview::kMaxButtons; ++i) {
        SlotControl& slot = slots_[static_cast<std::size_t>(i - 1)];
        slot.pressed = false;
        if (i > layout_.buttonCount) {
            ShowWindow(slot.hwnd, SW_HIDE);
            continue;
        }
        const menuview::PixelRect& r = layout_.buttons[static_cast<std::size_t>(i - 1)];
        SetWindowPos(slot.hwnd, nullptr, r.left, r.top, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    ShowPageLabels();
    RenderPage();
    RestoreSelection();
}

void MainWindow::PlaceWindow() {
    const TwipsScale scale = ReadScale();
    if (layout_.sizing == menuview::WindowSizing::Maximised) {
        ShowWindow(Handle(), SW_MAXIMIZE);
    } else {
        if (IsZoomed(Handle())) ShowWindow(Handle(), SW_RESTORE);
        int width = layout_.windowWidthTwips / scale.x;
        int height = layout_.windowHeightTwips / scale.y;
        if (layout_.sizing == menuview::WindowSizing::Client) {
            RECT r{0, 0, width, height};
            AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), TRUE,
                               static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)));
            width = r.right - r.left;
            height = r.bottom - r.top;
        }
        const auto at = EditorWindowPosition(layout_.mode, screenWidth_ * scale.x, screenHeight_ * scale.y,
                                             width * scale.x, height * scale.y);
        const int x = at ? at->left / scale.x : 0;
        const int y = at ? at->top / scale.y : 0;
        SetWindowPos(Handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    clientWidth_ = layout_.sizing == menuview::WindowSizing::Maximised ? screenWidth_ : client.right;
    clientHeight_ = layout_.sizing == menuview::WindowSizing::Maximised ? screenHeight_ : client.bottom;
}

void MainWindow::RestoreSelection() {
    const int element = session_.state().focusIndex;
    HWND control = ControlOf(element);
    if (control && IsWindowEnabled(Handle()) && IsWindowVisible(Handle()) && GetFocus() != control) {
        SetFocus(control);
    }
    const int oldMarked = markedSlot_;
    markedSlot_ = IsSlot(element) && (GetFocus() == control || !IsWindowEnabled(Handle())) ? element : 0;
    // The window repaints both slots with the selection.
    if (oldMarked != 0 && oldMarked != markedSlot_) ComposeSlotImage(oldMarked);
    if (markedSlot_ != 0) ComposeSlotImage(markedSlot_);
    ComposeWindow();
}

}  // namespace torva::editor::win32
