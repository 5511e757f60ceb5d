#pragma once
// The lines drawn around what a page shows, as data: the raised frame of each button, the selection
// frame, the edges of a pressed button, a button's own light edges and the window's sunken frame.
// Each kind of window has its own figures; both are drawn by the same code from these lists.

#include <optional>
#include <string_view>
#include <vector>

#include "menuview/button_face.h"
#include "menuview/menu_layout.h"

namespace torva::menuview {

// Colours by role; the drawing code turns them into the system's current colours.
enum class LineColour { Black, Shadow, Highlight, Face };

// A horizontal or vertical line of pixels with both ends included.
struct LineSegment {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    LineColour colour = LineColour::Black;
    bool operator==(const LineSegment&) const = default;
};
using LineList = std::vector<LineSegment>;

// A line as a pen draws it: from the first point to just before the second. Nothing when the two
// points are the same.
std::optional<LineSegment> PenLine(int x1, int y1, int x2, int y2, LineColour colour);

// The raised frame drawn on the window around a button resting at home.
LineList ButtonFrameLines(WindowKind kind, const PixelRect& home);
// The black frame outside the raised frame that marks the focused (selected) button.
LineList SelectionFrameLines(WindowKind kind, const PixelRect& home);
// The editor's selection frame around a title bar.
LineList TitleSelectionLines(const PixelRect& title);
// The shadow edges shown along the top and left that a pressed button has moved away from.
LineList PressedEdgeLines(WindowKind kind, const PixelRect& home);
// Pixels a pressed button moves right and down.
inline constexpr int kPressOffset = 2;
// A button's own light left and top edges, in the button's coordinates; hidden while pressed.
LineList ButtonLightLines(int width, int height);

struct FrameArea {
    int clientWidth = 0;
    int clientHeight = 0;
    int screenWidth = 0;  // mode 4 follows the screen
    int screenHeight = 0;
};
// The sunken two-pixel frame inside the window edge (the frame switch on).
LineList WindowFrameLines(WindowKind kind, int mode, const FrameArea& area);
// What the editor shows at the top edge instead when the frame is off: a strip of button face.
LineList WindowFrameStripLines(WindowKind kind);
// Whether a pixel of the lines lies under a title bar or a shown button of the layout (where a
// transparent one would show it).
bool LinesUnderControls(const LineList& lines, const MenuLayout& layout);

// The dotted rectangle around a focused button's caption: nothing when the mode prints no caption
// or the caption is empty; otherwise exactly the printed caption's place and size.
std::optional<PixelRect> CaptionMarker(bool captionsShown, std::string_view caption, FacePoint origin,
                                       int captionWidth, int captionHeight);

}  // namespace torva::menuview
