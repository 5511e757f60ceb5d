#include "platform/win32/window_walk.h"

#include <string>
#include <vector>

namespace torva::win32 {

namespace {
// Far more windows than any desktop holds; only a list that keeps changing reaches it.
constexpr std::size_t kMaxVisits = 200000;
}  // namespace

void WalkWindows(const std::function<bool(HWND)>& visit) {
    std::vector<HWND> parents;  // windows whose next sibling is still to be visited
    HWND window = GetWindow(GetDesktopWindow(), GW_CHILD);
    std::size_t visits = 0;
    while (window && visits++ < kMaxVisits) {
        if (!visit(window)) return;
        if (HWND child = GetWindow(window, GW_CHILD)) {
            parents.push_back(window);
            window = child;
            continue;
        }
        // No children: the next sibling, or the next sibling of the nearest parent that has one.
        HWND next = GetWindow(window, GW_HWNDNEXT);
        while (!next && !parents.empty()) {
            next = GetWindow(parents.back(), GW_HWNDNEXT);
            parents.pop_back();
        }
        window = next;
    }
}

std::wstring TitleStart(HWND window) {
    wchar_t buffer[6] = {};
    const int n = GetWindowTextW(window, buffer, 6);
    return std::wstring(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
}

}  // namespace torva::win32
