#pragma once
// Frame lines (menuview/frame_lines.h) drawn with the system's current colours.

#include <windows.h>

#include "menuview/frame_lines.h"

namespace torva::menuview::win32 {

COLORREF LineColourRef(LineColour colour);
// Each line in list order, shifted by (dx, dy).
void DrawLines(HDC dc, const LineList& lines, int dx = 0, int dy = 0);

}  // namespace torva::menuview::win32
