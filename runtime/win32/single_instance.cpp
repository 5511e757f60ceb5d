#include "runtime/win32/single_instance.h"

#include <windows.h>

#include "runtime/instance_record.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"
#include "ui/win32/tray.h"

namespace torva::runtime::win32 {

namespace {

struct MenuSearch {
    DWORD processId;
    HWND menu;
};

BOOL CALLBACK FindMenuOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<MenuSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid == search->processId && lstrcmpW(cls, kMenuWindowClass) == 0) {
        search->menu = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool BringRunningInstanceForward(ErrorState& error, const platform::Settings& settings,
                                 platform::BackgroundStartProcesses& processes) {
    ErrorLocation here(error, 910);
    const auto recorded =
        RecordedInstance(settings.Get(kSettingsApp, kSettingsSection, kSettingsInstanceKey, "0"),
                         processes.CurrentProcessId());
    if (!recorded) return false;
    const uint32_t pid = *recorded;
    const platform::WindowSearch search = processes.FindVisibleWindow(pid);
    if (!search.found) return false;
    // A stale id can belong to an unrelated program by now: only a process that shows a menu
    // window counts, so this start is never refused because of somebody else's window.
    MenuSearch menu{pid, nullptr};
    EnumWindows(FindMenuOf, reinterpret_cast<LPARAM>(&menu));
    if (!menu.menu) return false;
    // This start's own registration comes first, as it does when the menu shows.
    processes.FinishBackgroundStart();
    if (search.window) {
        HWND window = reinterpret_cast<HWND>(search.window);
        ShowWindow(window, SW_RESTORE);
        SetForegroundWindow(window);
    } else {
        // The running menu is hidden in the tray: the tray's own left click brings it out.
        AllowSetForegroundWindow(pid);
        PostMessageW(menu.menu, WM_SYSCOMMAND, ui::win32::kTrayIconId, WM_LBUTTONDOWN);
    }
    return true;
}

}  // namespace torva::runtime::win32
