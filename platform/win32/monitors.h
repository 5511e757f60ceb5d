#pragma once
// The monitors attached to the desktop, as the system reports them.

#include <windows.h>

#include <vector>

namespace torva::win32 {

// Each attached monitor's rectangle in pixels on the virtual screen (the primary monitor's top-left
// corner is 0, 0), primary first. Never empty: when the system lists none, the primary screen.
std::vector<RECT> AttachedMonitors();

}  // namespace torva::win32
