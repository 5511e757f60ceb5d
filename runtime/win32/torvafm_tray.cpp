// The task-tray icon of [TSKI]: its mouse events come back as the system command of the tray id.
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"
#include "ui/win32/tray.h"

namespace torva::runtime::win32 {

namespace {

HICON TrayIcon(const TorvaRuntime& rt, int which) {
    HICON icon = rt.trayIcons[static_cast<std::size_t>(which)].get();
    // A program file without its tray artwork still gets a usable tray entry.
    return icon ? icon : LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
}

}  // namespace

void MenuWindow::AddTrayIcon() {
    trayAdded_ = ui::win32::AddTrayIcon(Handle(), TrayIcon(rt_, kTrayIconShown), L"Torva");
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
}

void MenuWindow::SwitchTrayIcon(int which) {
    ui::win32::ChangeTrayIcon(Handle(), TrayIcon(rt_, which));
}

void MenuWindow::DeleteTrayIcon() {
    ui::win32::RemoveTrayIcon(Handle());
    trayAdded_ = false;
}

}  // namespace torva::runtime::win32
