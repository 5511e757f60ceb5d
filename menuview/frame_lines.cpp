#include "menuview/frame_lines.h"

namespace torva::menuview {

namespace {

void Add(LineList& out, std::optional<LineSegment> line) {
    if (line) out.push_back(*line);
}

void AddPen(LineList& out, int x1, int y1, int x2, int y2, LineColour colour) {
    Add(out, PenLine(x1, y1, x2, y2, colour));
}

}  // namespace

std::optional<LineSegment> PenLine(int x1, int y1, int x2, int y2, LineColour colour) {
    if (x1 == x2 && y1 == y2) return std::nullopt;
    // The pen stops one pixel short of the end point, in whichever direction it goes.
    const int endX = x2 == x1 ? x2 : (x2 > x1 ? x2 - 1 : x2 + 1);
    const int endY = y2 == y1 ? y2 : (y2 > y1 ? y2 - 1 : y2 + 1);
    return LineSegment{x1 < endX ? x1 : endX, y1 < endY ? y1 : endY, x1 < endX ? endX : x1,
                       y1 < endY ? endY : y1, colour};
}

LineList ButtonFrameLines(WindowKind kind, const PixelRect& home) {
    const int L = home.left, T = home.top, R = home.right(), B = home.bottom();
    const int W = home.width, H = home.height;
    using C = LineColour;
    if (kind == WindowKind::Runtime) {
        // A closed black outline, shadow in the two pixels inside its right and bottom sides.
        return {{L - 1, T - 1, R + 2, T - 1, C::Black}, {L - 1, T - 1, L - 1, B + 2, C::Black},
                {R + 2, T - 1, R + 2, B + 2, C::Black}, {L - 1, B + 2, R + 2, B + 2, C::Black},
                {R, T + 1, R, B + 1, C::Shadow},        {R + 1, T + 1, R + 1, B + 1, C::Shadow},
                {L + 1, B, R + 1, B, C::Shadow},        {L + 1, B + 1, R + 1, B + 1, C::Shadow},
                {L, B, L, B + 1, C::Highlight},         {R, T, R + 1, T, C::Highlight}};
    }
    LineList out;
    AddPen(out, L - 1, T, L - 1, T + H + 2, C::Black);
    AddPen(out, L, T + H, L, T + H + 1, C::Highlight);
    AddPen(out, L, T - 1, L + W + 2, T - 1, C::Black);
    AddPen(out, L + W, T, L + W + 1, T, C::Highlight);
    AddPen(out, L, T + H + 2, L + W + 2, T + H + 2, C::Black);
    AddPen(out, L, T + H + 1, L + W + 2, T + H + 1, C::Shadow);
    AddPen(out, L + 1, T + H, L + W + 1, T + H, C::Shadow);
    AddPen(out, L + W + 2, T, L + W + 2, T + H + 2, C::Black);
    AddPen(out, L + W + 1, T, L + W + 1, T + H + 1, C::Shadow);
    AddPen(out, L + W, T + 1, L + W, T + H, C::Shadow);
    return out;
}

LineList SelectionFrameLines(WindowKind kind, const PixelRect& home) {
    const int L = home.left, T = home.top, W = home.width, H = home.height;
    using C = LineColour;
    if (kind == WindowKind::Runtime) {
        const int left = L - 2, top = T - 2, right = L + W + 3, bottom = T + H + 3;
        return {{left, top, right, top, C::Black},
                {left, top, left, bottom, C::Black},
                {right, top, right, bottom, C::Black},
                {left, bottom, right, bottom, C::Black}};
    }
    // Eight pieces: four sides and four corner dots, a frame with cut corners.
    LineList out;
    AddPen(out, L - 2, T, L - 2, T + H + 2, C::Black);
    AddPen(out, L - 1, T - 1, L - 1, T, C::Black);
    AddPen(out, L, T - 2, L + W + 2, T - 2, C::Black);
    AddPen(out, L + W + 2, T - 1, L + W + 1, T - 1, C::Black);
    AddPen(out, L, T + H + 3, L + W + 2, T + H + 3, C::Black);
    AddPen(out, L - 1, T + H + 2, L, T + H + 2, C::Black);
    AddPen(out, L + W + 3, T, L + W + 3, T + H + 2, C::Black);
    AddPen(out, L + W + 2, T + H + 2, L + W + 2, T + H + 3, C::Black);
    return out;
}

LineList TitleSelectionLines(const PixelRect& title) {
    const int L = title.left, T = title.top, W = title.width, H = title.height;
    LineList out;
    AddPen(out, L - 1, T - 1, L - 1, T + H, LineColour::Black);
    AddPen(out, L, T - 1, L + W + 1, T - 1, LineColour::Black);
    AddPen(out, L - 1, T + H, L + W, T + H, LineColour::Black);
    AddPen(out, L + W, T, L + W, T + H + 1, LineColour::Black);
    return out;
}

LineList PressedEdgeLines(WindowKind kind, const PixelRect& home) {
    const int L = home.left, T = home.top, W = home.width, H = home.height;
    if (kind == WindowKind::Runtime) {
        return {{L, T, L + W + 1, T, LineColour::Shadow}, {L, T, L, T + H + 1, LineColour::Shadow}};
    }
    LineList out;
    AddPen(out, L + 1, T + 1, L + 1, T + H + 1, LineColour::Shadow);
    AddPen(out, L, T + 1, L + W + 1, T + 1, LineColour::Shadow);
    return out;
}

LineList ButtonLightLines(int width, int height) {
    return {{0, 0, 0, height - 1, LineColour::Highlight}, {0, 0, width - 1, 0, LineColour::Highlight}};
}

LineList WindowFrameLines(WindowKind kind, int mode, const FrameArea& area) {
    using C = LineColour;
    const bool fullScreen = mode == 4;
    if (kind == WindowKind::Runtime) {
        // The runtime's full-screen frame stops above the taskbar, 20 and 21 pixels over the bottom.
        const int right = (fullScreen ? area.screenWidth : area.clientWidth) - 1;
        const int bottom = fullScreen ? area.screenHeight - 21 : area.clientHeight - 1;
        return {{0, 0, right, 0, C::Shadow},
                {0, 0, 0, bottom, C::Shadow},
                {0, bottom, right, bottom, C::Highlight},
                {right, 0, right, bottom, C::Highlight},
                {1, 1, right - 1, 1, C::Black},
                {1, 1, 1, bottom - 1, C::Black},
                {1, bottom - 1, right - 1, bottom - 1, C::Face},
                {right - 1, 1, right - 1, bottom - 1, C::Face}};
    }
    const int W = fullScreen ? area.screenWidth : area.clientWidth;
    const int B = fullScreen ? area.screenHeight - 39 : area.clientHeight - 1;
    // In the full-screen mode both bottom lines end one pixel earlier.
    const int shorter = fullScreen ? 1 : 0;
    LineList out;
    AddPen(out, 0, 0, W - 1, 0, C::Shadow);
    AddPen(out, 0, 0, 0, B, C::Shadow);
    AddPen(out, 0, B, W - shorter, B, C::Highlight);
    AddPen(out, W - 1, 0, W - 1, B + 1, C::Highlight);
    AddPen(out, 1, 1, W - 2, 1, C::Black);
    AddPen(out, 1, 1, 1, B - 1, C::Black);
    AddPen(out, 1, B - 1, W - 1 - shorter, B - 1, C::Face);
    AddPen(out, W - 2, 1, W - 2, B, C::Face);
    return out;
}

LineList WindowFrameStripLines(WindowKind kind) {
    if (kind != WindowKind::Editor) return {};
    return {{0, 0, 2047, 0, LineColour::Face}, {0, 1, 2047, 1, LineColour::Face}};
}

bool LinesUnderControls(const LineList& lines, const MenuLayout& layout) {
    const auto under = [&lines](const PixelRect& r) {
        for (const LineSegment& s : lines) {
            const int left = s.x1 < s.x2 ? s.x1 : s.x2;
            const int right = s.x1 < s.x2 ? s.x2 : s.x1;
            const int top = s.y1 < s.y2 ? s.y1 : s.y2;
            const int bottom = s.y1 < s.y2 ? s.y2 : s.y1;
            if (left < r.right() && right >= r.left && top < r.bottom() && bottom >= r.top) return true;
        }
        return false;
    };
    for (const PixelRect& t : layout.titles) {
        if (under(t)) return true;
    }
    for (int i = 0; i < layout.buttonCount && i < kMaxButtons; ++i) {
        if (under(layout.buttons[static_cast<std::size_t>(i)])) return true;
    }
    return false;
}

std::optional<PixelRect> CaptionMarker(bool captionsShown, std::string_view caption, FacePoint origin,
                                       int captionWidth, int captionHeight) {
    if (!captionsShown || caption.empty()) return std::nullopt;
    return PixelRect{origin.x, origin.y, captionWidth, captionHeight};
}

}  // namespace torva::menuview
