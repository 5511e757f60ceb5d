// The layout of the display mode applied to the window: its size, its controls and its place.
#include "common/error_state.h"
#include "platform/win32/monitors.h"
#include "platform/win32/system_library.h"
#include "runtime/placement.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

const wchar_t* ControlClassName();

void MenuWindow::ReadScreenSize() {
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    twipsPerPixelX_ = dpiX > 0 ? 1440 / dpiX : kTwipsPerPixel;
    twipsPerPixelY_ = dpiY > 0 ? 1440 / dpiY : kTwipsPerPixel;
    screenWidthPx_ = GetSystemMetrics(SM_CXSCREEN);
    screenHeightPx_ = GetSystemMetrics(SM_CYSCREEN);
}

void MenuWindow::ApplyLayout() {
    const LONG style = static_cast<LONG>(GetWindowLongPtrW(Handle(), GWL_STYLE));
    const LONG exStyle = static_cast<LONG>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE));
    if (layout_.sizing == WindowSizing::Maximised) {
        // The full-screen layout is arranged on the screen size; the window is maximised on show.
        clientWidth_ = screenWidthPx_;
        clientHeight_ = screenHeightPx_;
    } else {
        int width = layout_.windowWidthTwips / twipsPerPixelX_;
        int height = layout_.windowHeightTwips / twipsPerPixelY_;
        if (layout_.sizing == WindowSizing::Client) {
            RECT r{0, 0, width, height};
            AdjustWindowRectEx(&r, static_cast<DWORD>(style), FALSE, static_cast<DWORD>(exStyle));
            width = r.right - r.left;
            height = r.bottom - r.top;
        }
        SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client{};
        GetClientRect(Handle(), &client);
        clientWidth_ = client.right;
        clientHeight_ = client.bottom;
        if (layout_.sizing == WindowSizing::Client) {
            clientWidth_ = layout_.windowWidthTwips / twipsPerPixelX_;
            clientHeight_ = layout_.windowHeightTwips / twipsPerPixelY_;
        }
    }
    CreateControls();
}

void MenuWindow::CreateControls() {
    auto create = [&](int id, const PixelRect& r, bool visible, bool tabStop) {
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
        if (visible) style |= WS_VISIBLE;
        if (tabStop) style |= WS_TABSTOP;
        return CreateWindowExW(0, ControlClassName(), L"", style, r.left, r.top, r.width, r.height, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    };
    for (int i = 0; i < 2; ++i) {
        // Title bars start hidden: a page shows those it uses.
        titles_[static_cast<std::size_t>(i)].hwnd =
            create(kTitleControlIdBase + i + 1, layout_.titles[static_cast<std::size_t>(i)], false, false);
    }
    for (int i = 0; i < kMaxButtons; ++i) {
        ButtonState& b = buttons_[static_cast<std::size_t>(i)];
        const PixelRect& r = layout_.buttons[static_cast<std::size_t>(i)];
        b.hwnd = create(kButtonControlIdBase + i + 1, r, i < layout_.buttonCount, true);
        b.restLeft = r.left;
        b.restTop = r.top;
    }
    if (!layout_.titleBars) titleTip_ = create(kTitleTipControlId, layout_.titleTipLabel, true, false);
}

void MenuWindow::OnMouseSeen(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    tips_.OnMouseSeen(window, message, wParam, lParam, pointerAtShow_, [this] { AddTooltips(); });
}

void MenuWindow::AddTooltips() {
    if (tips_.Created() || !Handle()) return;
    (void)torva::win32::LoadCommonControls(ICC_WIN95_CLASSES);
    tips_.Create(Handle(), instance_);
    for (const ButtonState& b : buttons_) tips_.Add(b.hwnd);
    if (titleTip_) tips_.Add(titleTip_);
    UpdateTooltips();
}

void MenuWindow::PlaceWindow() {
    TorvaRuntime& rt = rt_;
    ErrorLocation here(rt.error, 801);
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    PlacementInput in;
    in.mode = layout_.mode;
    in.screenWidthTwips = screenWidthPx_ * twipsPerPixelX_;
    in.screenHeightTwips = screenHeightPx_ * twipsPerPixelY_;
    in.windowWidthTwips = (outer.right - outer.left) * twipsPerPixelX_;
    in.windowHeightTwips = (outer.bottom - outer.top) * twipsPerPixelY_;
    in.positionSave = rt.options().positionSave;
    in.savedLeft = rt.savedLeft;
    in.savedTop = rt.savedTop;
    for (const RECT& m : torva::win32::AttachedMonitors()) {
        in.monitors.push_back(TwipsRect{m.left * twipsPerPixelX_, m.top * twipsPerPixelY_,
                                        m.right * twipsPerPixelX_, m.bottom * twipsPerPixelY_});
    }
    if (const auto at = runtime::PlaceWindow(in)) {
        SetWindowPos(Handle(), nullptr, at->left / twipsPerPixelX_, at->top / twipsPerPixelY_, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    currentPage_ = 1;
    if (rt.options().dupCheck) {
        DWORD pid = 0;
        GetWindowThreadProcessId(Handle(), &pid);
        rt.os.settings->Save(kSettingsApp, kSettingsSection, kSettingsInstanceKey, std::to_string(pid));
    }
    DrawPage();
}

}  // namespace torva::runtime::win32
