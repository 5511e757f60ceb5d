#include "menuview/win32/line_painter.h"

#include "menuview/win32/canvas.h"

namespace torva::menuview::win32 {

COLORREF LineColourRef(LineColour colour) {
    switch (colour) {
        case LineColour::Black:
            return RGB(0, 0, 0);
        case LineColour::Shadow:
            return GetSysColor(COLOR_BTNSHADOW);
        case LineColour::Highlight:
            return GetSysColor(COLOR_BTNHIGHLIGHT);
        case LineColour::Face:
            return GetSysColor(COLOR_BTNFACE);
    }
    return RGB(0, 0, 0);
}

void DrawLines(HDC dc, const LineList& lines, int dx, int dy) {
    for (const LineSegment& s : lines) {
        DrawLine(dc, s.x1 + dx, s.y1 + dy, s.x2 + dx, s.y2 + dy, LineColourRef(s.colour));
    }
}

}  // namespace torva::menuview::win32
