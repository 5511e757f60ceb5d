#pragma once
// The notification-area (tray) icon of a window. One id for every program: the icon's mouse events
// come back to the window as WM_SYSCOMMAND with this id as the command and the mouse message as
// lParam, so they travel the same way as the system menu's own entries.

#include <windows.h>

#include <string>

namespace torva::ui::win32 {

inline constexpr UINT kTrayIconId = 1100;

// True when the icon was added (false without a notification area).
bool AddTrayIcon(HWND window, HICON icon, const std::wstring& tip);
void ChangeTrayIcon(HWND window, HICON icon);
void RemoveTrayIcon(HWND window);

}  // namespace torva::ui::win32
