#include "ui/win32/tray.h"

#include <shellapi.h>

namespace torva::ui::win32 {

namespace {

NOTIFYICONDATAW TrayRecord(HWND window, UINT flags, HICON icon) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.uCallbackMessage = WM_SYSCOMMAND;
    data.hIcon = icon;
    return data;
}

}  // namespace

bool AddTrayIcon(HWND window, HICON icon, const std::wstring& tip) {
    NOTIFYICONDATAW data = TrayRecord(window, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon);
    lstrcpynW(data.szTip, tip.c_str(), 64);
    return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void ChangeTrayIcon(HWND window, HICON icon) {
    NOTIFYICONDATAW data = TrayRecord(window, NIF_ICON, icon);
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAW data = TrayRecord(window, 0, nullptr);
    Shell_NotifyIconW(NIM_DELETE, &data);
}

}  // namespace torva::ui::win32
