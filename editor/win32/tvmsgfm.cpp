#include "editor/win32/tvmsgfm.h"

#include "platform/win32/wide.h"
#include "ui/win32/controls.h"

namespace torva::editor::win32 {

namespace {
constexpr int kWidth = 240;
constexpr int kHeight = 72;
constexpr wchar_t kClassName[] = L"TVMSGFM";
}  // namespace

void ProgressWindow::Show(HWND owner, std::string_view caption) {
    text_ = torva::win32::Wide(caption);
    if (!Handle()) {
        HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
        ui::win32::WindowClass wc{kClassName, icon, icon, nullptr, GetSysColorBrush(COLOR_BTNFACE)};
        RECT outer{0, 0, kWidth, kHeight};
        AdjustWindowRectEx(&outer, WS_POPUP | WS_CAPTION, FALSE, WS_EX_TOOLWINDOW);
        const int w = outer.right - outer.left;
        const int h = outer.bottom - outer.top;
        RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner && IsWindowVisible(owner)) GetWindowRect(owner, &area);
        const int x = area.left + (area.right - area.left - w) / 2;
        const int y = area.top + (area.bottom - area.top - h) / 2;
        if (!Create(wc, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, text_, WS_POPUP | WS_CAPTION, x, y, w, h, owner))
            return;
        font_ = ui::win32::MakeFont(L"ＭＳ Ｐゴシック", 900, ui::win32::ScreenDpi::Read().y);
    }
    SetWindowTextW(Handle(), text_.c_str());
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void ProgressWindow::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

LRESULT ProgressWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        Paint();
        return 0;
    }
    return Default(message, wParam, lParam);
}

void ProgressWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    // The product icon on the left and the work being done beside it.
    HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    if (icon) DrawIconEx(dc, 16, (kHeight - 32) / 2, icon, 32, 32, 0, nullptr, DI_NORMAL);
    HGDIOBJ old = SelectObject(dc, font_ ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT text{64, 0, kWidth - 8, kHeight};
    DrawTextW(dc, text_.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    SelectObject(dc, old);
    EndPaint(Handle(), &ps);
}

}  // namespace torva::editor::win32
