#include "ui/win32/tray.h"

#include <shellapi.h>

#include "platform/win32/system_library.h"

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

// Only menus with a tray entry need the shell: it is loaded then.
BOOL Notify(DWORD message, NOTIFYICONDATAW& data) {
    const auto notify =
        torva::win32::SystemFunctionOf<decltype(&Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
    return notify ? notify(message, &data) : FALSE;
}

}  // namespace

bool AddTrayIcon(HWND window, HICON icon, const std::wstring& tip) {
    NOTIFYICONDATAW data = TrayRecord(window, NIF_MESSAGE | NIF_ICON | NIF_TIP, icon);
    lstrcpynW(data.szTip, tip.c_str(), 64);
    return Notify(NIM_ADD, data) != FALSE;
}

void ChangeTrayIcon(HWND window, HICON icon) {
    NOTIFYICONDATAW data = TrayRecord(window, NIF_ICON, icon);
    Notify(NIM_MODIFY, data);
}

void RemoveTrayIcon(HWND window) {
    NOTIFYICONDATAW data = TrayRecord(window, 0, nullptr);
    Notify(NIM_DELETE, data);
}

}  // namespace torva::ui::win32
