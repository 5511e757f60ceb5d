#pragma once
// Tooltips as a user meets them: the mouse rests on a control and a tip shows its text.

#include <windows.h>

#include <string>

namespace torva::e2e {

// The process's tooltip window while it shows a tip; null when none shows.
HWND ShownTooltip(DWORD processId);
// The text the tip shows, asked of the tooltip window itself.
std::string TooltipText(HWND tip);
// Rests the mouse on the control's centre (a move, then a pause, as a hand does; nudged a pixel a few
// times) until a tip of the window's process shows the text.
bool TipShowsOver(HWND window, HWND control, const std::string& text);

}  // namespace torva::e2e
