// The frame lines as the tables give them (pen lines end one pixel before their second point), and
// the runtime's frames checked pixel by pixel on a small grid.
#include "menuview/frame_lines.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace torva::menuview {
namespace {

using C = LineColour;

// What a list paints, later lines over earlier ones.
std::map<std::pair<int, int>, LineColour> Paint(const LineList& lines) {
    std::map<std::pair<int, int>, LineColour> grid;
    for (const LineSegment& s : lines) {
        EXPECT_TRUE(s.x1 == s.x2 || s.y1 == s.y2) << "lines are horizontal or vertical";
        EXPECT_LE(s.x1, s.x2);
        EXPECT_LE(s.y1, s.y2);
        for (int x = s.x1; x <= s.x2; ++x) {
            for (int y = s.y1; y <= s.y2; ++y) grid[{x, y}] = s.colour;
        }
    }
    return grid;
}

std::optional<LineColour> At(const std::map<std::pair<int, int>, LineColour>& grid, int x, int y) {
    const auto it = grid.find({x, y});
    if (it == grid.end()) return std::nullopt;
    return it->second;
}

TEST(PenLine, StopsBeforeTheSecondPointInEitherDirection) {
    EXPECT_EQ(PenLine(2, 5, 9, 5, C::Black), (LineSegment{2, 5, 8, 5, C::Black}));
    EXPECT_EQ(PenLine(9, 5, 2, 5, C::Black), (LineSegment{3, 5, 9, 5, C::Black}));
    EXPECT_EQ(PenLine(4, 1, 4, 2, C::Face), (LineSegment{4, 1, 4, 1, C::Face}));
    EXPECT_EQ(PenLine(4, 9, 4, 3, C::Shadow), (LineSegment{4, 4, 4, 9, C::Shadow}));
    EXPECT_FALSE(PenLine(3, 3, 3, 3, C::Black));
}

// The editor's slot 1 of the standard mode: L 42, T 66, W 235, H 36.
constexpr PixelRect kSlot{42, 66, 235, 36};

TEST(EditorFrames, SlotFrameFollowsTheTable) {
    const LineList expected{{41, 66, 41, 103, C::Black},    {42, 102, 42, 102, C::Highlight},
                            {42, 65, 278, 65, C::Black},    {277, 66, 277, 66, C::Highlight},
                            {42, 104, 278, 104, C::Black},  {42, 103, 278, 103, C::Shadow},
                            {43, 102, 277, 102, C::Shadow}, {279, 66, 279, 103, C::Black},
                            {278, 66, 278, 102, C::Shadow}, {277, 67, 277, 101, C::Shadow}};
    EXPECT_EQ(ButtonFrameLines(WindowKind::Editor, kSlot), expected);
}

TEST(EditorFrames, SelectionFrameHasCutCorners) {
    const LineList expected{{40, 66, 40, 103, C::Black},   {41, 65, 41, 65, C::Black},
                            {42, 64, 278, 64, C::Black},   {279, 65, 279, 65, C::Black},
                            {42, 105, 278, 105, C::Black}, {41, 104, 41, 104, C::Black},
                            {280, 66, 280, 103, C::Black}, {279, 104, 279, 104, C::Black}};
    EXPECT_EQ(SelectionFrameLines(WindowKind::Editor, kSlot), expected);
    const auto grid = Paint(expected);
    EXPECT_FALSE(At(grid, 40, 64)) << "the outer corner stays open";
    EXPECT_FALSE(At(grid, 280, 105));
}

TEST(EditorFrames, TitleSelectionIsASingleOutline) {
    const LineList expected{{80, 6, 80, 29, C::Black},
                            {81, 6, 524, 6, C::Black},
                            {80, 30, 523, 30, C::Black},
                            {524, 7, 524, 30, C::Black}};
    EXPECT_EQ(TitleSelectionLines(PixelRect{81, 7, 443, 23}), expected);
}

TEST(EditorFrames, PressedEdgesLieInTheVacatedStrip) {
    const LineList expected{{43, 67, 43, 102, C::Shadow}, {42, 67, 277, 67, C::Shadow}};
    EXPECT_EQ(PressedEdgeLines(WindowKind::Editor, kSlot), expected);
}

TEST(EditorFrames, WindowFrameFollowsTheClientSize) {
    const LineList expected{{0, 0, 598, 0, C::Shadow},        {0, 0, 0, 398, C::Shadow},
                            {0, 399, 599, 399, C::Highlight}, {599, 0, 599, 399, C::Highlight},
                            {1, 1, 597, 1, C::Black},         {1, 1, 1, 397, C::Black},
                            {1, 398, 598, 398, C::Face},      {598, 1, 598, 398, C::Face}};
    EXPECT_EQ(WindowFrameLines(WindowKind::Editor, 1, FrameArea{600, 400, 1024, 768}), expected);
}

TEST(EditorFrames, FullScreenFrameStops39PixelsAboveTheBottomWithShorterBottomLines) {
    const LineList lines = WindowFrameLines(WindowKind::Editor, 4, FrameArea{1024, 700, 1024, 768});
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1], (LineSegment{0, 0, 0, 728, C::Shadow}));
    EXPECT_EQ(lines[2], (LineSegment{0, 729, 1022, 729, C::Highlight}));
    EXPECT_EQ(lines[3], (LineSegment{1023, 0, 1023, 729, C::Highlight}));
    EXPECT_EQ(lines[6], (LineSegment{1, 728, 1021, 728, C::Face}));
}

TEST(EditorFrames, WithoutTheFrameAFaceStripCoversTheTopEdge) {
    const auto grid = Paint(WindowFrameStripLines(WindowKind::Editor));
    EXPECT_EQ(grid.size(), 2u * 2048u);
    EXPECT_EQ(At(grid, 2047, 1), C::Face);
    EXPECT_FALSE(At(grid, 0, 2));
    EXPECT_TRUE(WindowFrameStripLines(WindowKind::Runtime).empty());
}

TEST(RuntimeFrames, ButtonStandsOutRaised) {
    const PixelRect b{10, 20, 30, 12};  // R = 40, B = 32
    const auto grid = Paint(ButtonFrameLines(WindowKind::Runtime, b));
    // Black one pixel outside left and top, two outside right and bottom, corners closed.
    for (const auto& [x, y] :
         {std::pair{9, 19}, {9, 34}, {42, 19}, {42, 34}, {25, 19}, {9, 26}, {42, 26}, {25, 34}})
        EXPECT_EQ(At(grid, x, y), C::Black) << x << "," << y;
    // Shadow in the two pixels between the button and the right and bottom black lines.
    for (const auto& [x, y] : {std::pair{40, 21}, {41, 21}, {40, 33}, {41, 33}, {11, 32}, {11, 33}, {41, 32}})
        EXPECT_EQ(At(grid, x, y), C::Shadow) << x << "," << y;
    // Light dots at the bottom-left and top-right corners.
    EXPECT_EQ(At(grid, 10, 32), C::Highlight);
    EXPECT_EQ(At(grid, 10, 33), C::Highlight);
    EXPECT_EQ(At(grid, 40, 20), C::Highlight);
    EXPECT_EQ(At(grid, 41, 20), C::Highlight);
    // Nothing over the button itself.
    for (int x = 10; x < 40; ++x) {
        for (int y = 20; y < 32; ++y) EXPECT_FALSE(At(grid, x, y)) << x << "," << y;
    }
}

TEST(RuntimeFrames, SelectionIsASecondOutlineOutsideTheFirst) {
    const PixelRect b{10, 20, 30, 12};
    const auto grid = Paint(SelectionFrameLines(WindowKind::Runtime, b));
    // x = L - 2, y = T - 2, x = R + 3, y = B + 3.
    EXPECT_EQ(At(grid, 8, 18), C::Black);
    EXPECT_EQ(At(grid, 43, 35), C::Black);
    EXPECT_EQ(At(grid, 8, 30), C::Black);
    EXPECT_EQ(At(grid, 30, 35), C::Black);
    EXPECT_FALSE(At(grid, 9, 19)) << "the button's own outline lies inside";
}

TEST(RuntimeFrames, PressedEdgesAlongTheTopAndLeft) {
    const auto grid = Paint(PressedEdgeLines(WindowKind::Runtime, PixelRect{10, 20, 30, 12}));
    EXPECT_EQ(At(grid, 10, 20), C::Shadow);
    EXPECT_EQ(At(grid, 41, 20), C::Shadow);
    EXPECT_EQ(At(grid, 10, 33), C::Shadow);
    EXPECT_FALSE(At(grid, 11, 21));
}

TEST(RuntimeFrames, WindowFrameIsSunkenAndStopsAboveTheTaskbarInFullScreen) {
    const auto normal = Paint(WindowFrameLines(WindowKind::Runtime, 2, FrameArea{300, 200, 1024, 768}));
    EXPECT_EQ(At(normal, 150, 0), C::Shadow);
    EXPECT_EQ(At(normal, 0, 100), C::Shadow);
    EXPECT_EQ(At(normal, 150, 1), C::Black);
    EXPECT_EQ(At(normal, 1, 100), C::Black);
    EXPECT_EQ(At(normal, 150, 199), C::Highlight);
    EXPECT_EQ(At(normal, 299, 100), C::Highlight);
    EXPECT_EQ(At(normal, 150, 198), C::Face);
    EXPECT_EQ(At(normal, 298, 100), C::Face);
    const auto full = Paint(WindowFrameLines(WindowKind::Runtime, 4, FrameArea{1024, 740, 1024, 768}));
    EXPECT_EQ(At(full, 500, 747), C::Highlight);
    EXPECT_EQ(At(full, 500, 746), C::Face);
    EXPECT_EQ(At(full, 1023, 10), C::Highlight);
    EXPECT_FALSE(At(full, 500, 748));
}

TEST(ButtonEdges, LightLeftAndTopEdges) {
    const auto grid = Paint(ButtonLightLines(36, 20));
    EXPECT_EQ(grid.size(), 36u + 20u - 1u);
    EXPECT_EQ(At(grid, 0, 19), C::Highlight);
    EXPECT_EQ(At(grid, 35, 0), C::Highlight);
}

TEST(CaptionMarker, SurroundsThePrintedCaptionOnlyWhereCaptionsArePrinted) {
    EXPECT_EQ(CaptionMarker(true, "Mail", FacePoint{40, 12}, 28, 13), (PixelRect{40, 12, 28, 13}));
    EXPECT_FALSE(CaptionMarker(true, "", FacePoint{40, 12}, 0, 13));
    EXPECT_FALSE(CaptionMarker(false, "Mail", FacePoint{40, 12}, 28, 13));
}

TEST(LinesUnderControls, FindsALineCrossingAButtonOrATitleOnly) {
    MenuLayout layout;
    layout.buttonCount = 1;
    layout.buttons[0] = PixelRect{10, 20, 30, 5};  // x 10..39, y 20..24
    layout.buttons[1] = PixelRect{100, 100, 10, 10};
    layout.titles = {PixelRect{50, 0, 10, 3}, PixelRect{}};
    struct Case {
        LineSegment line;
        bool under;
    };
    for (const Case& c : {Case{{0, 20, 9, 20}, false},        // ends left of the button
                          Case{{0, 20, 10, 20}, true},        // reaches its first column
                          Case{{39, 0, 39, 19}, false},       // ends above it
                          Case{{39, 24, 39, 90}, true},       // starts on its last row
                          Case{{40, 0, 40, 90}, false},       // right of it
                          Case{{20, 30, 10, 22}, true},       // ends given the other way round
                          Case{{105, 105, 105, 105}, false},  // a button the layout does not show
                          Case{{55, 2, 55, 2}, true}}) {
        SCOPED_TRACE(testing::Message()
                     << c.line.x1 << "," << c.line.y1 << " " << c.line.x2 << "," << c.line.y2);
        EXPECT_EQ(LinesUnderControls({c.line}, layout), c.under);
    }
}

TEST(LinesUnderControls, NoWindowFrameRunsUnderAControlInAnyMode) {
    for (const WindowKind kind : {WindowKind::Runtime, WindowKind::Editor}) {
        for (int mode = 1; mode <= 9; ++mode) {
            SCOPED_TRACE(testing::Message()
                         << (kind == WindowKind::Runtime ? "runtime" : "editor") << " mode " << mode);
            const MenuLayout layout = ComputeLayout(kind, mode, 1024, 768, false);
            // The client area of a window with a usual caption and border.
            const bool outer = layout.sizing == WindowSizing::Outer;
            FrameArea area{layout.windowWidthTwips / kTwipsPerPixel - (outer ? 8 : 0),
                           layout.windowHeightTwips / kTwipsPerPixel - (outer ? 30 : 0), 1024, 768};
            if (layout.sizing == WindowSizing::Maximised) area = FrameArea{1024, 768, 1024, 768};
            EXPECT_FALSE(LinesUnderControls(WindowFrameLines(kind, mode, area), layout));
            EXPECT_FALSE(LinesUnderControls(WindowFrameStripLines(kind), layout));
        }
    }
}

}  // namespace
}  // namespace torva::menuview
