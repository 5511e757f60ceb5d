#pragma once
// The walk of all windows below the desktop, depth first: a window, then its children, then its
// next sibling, through GetDesktopWindow and GetWindow(GW_CHILD / GW_HWNDNEXT).

#include <windows.h>

#include <functional>
#include <string>

namespace torva::win32 {

// Calls visit for every window in walk order until it returns false. The walk is iterative (no
// depth limit) and bounded, so a window list that changes under it cannot make it loop forever.
void WalkWindows(const std::function<bool(HWND)>& visit);

// The first five characters of a window's title, read as the classic 6-character buffer does.
std::wstring TitleStart(HWND window);

}  // namespace torva::win32
