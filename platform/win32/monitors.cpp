#include "platform/win32/monitors.h"

namespace torva::win32 {

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* list = reinterpret_cast<std::vector<RECT>*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        list->insert(list->begin(), info.rcMonitor);
    } else {
        list->push_back(info.rcMonitor);
    }
    return TRUE;
}

}  // namespace

std::vector<RECT> AttachedMonitors() {
    std::vector<RECT> list;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list));
    if (list.empty())
        list.push_back(RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return list;
}

}  // namespace torva::win32
