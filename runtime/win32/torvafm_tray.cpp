// The task-tray icon of [TSKI]: its mouse events come back as system command 1100.
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

namespace {

constexpr UINT kTrayIconId = 1100;

NOTIFYICONDATAW TrayRecord(HWND hwnd, UINT flags, HICON icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = hwnd;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.uCallbackMessage = WM_SYSCOMMAND;
    data.hIcon = icon;
    lstrcpynW(data.szTip, L"Torva", 64);
    return data;
}

HICON TrayIcon(int which) {
    HICON icon = Torva().trayIcons[static_cast<std::size_t>(which)].get();
    // A program file without its tray artwork still gets a usable tray entry.
    return icon ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
}

}  // namespace

void MenuWindow::AddTrayIcon() {
    NOTIFYICONDATAW data = TrayRecord(hwnd_, NIF_MESSAGE | NIF_ICON | NIF_TIP, TrayIcon(kTrayIconShown));
    trayAdded_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
}

void MenuWindow::SwitchTrayIcon(int which) {
    NOTIFYICONDATAW data = TrayRecord(hwnd_, NIF_ICON, TrayIcon(which));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void MenuWindow::DeleteTrayIcon() {
    NOTIFYICONDATAW data = TrayRecord(hwnd_, NIF_MESSAGE | NIF_ICON | NIF_TIP, TrayIcon(kTrayIconShown));
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayAdded_ = false;
}

}  // namespace torva::runtime::win32
