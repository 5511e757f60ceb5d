#pragma once
// Geometry of the menu window in each of the nine display modes: the window's outer size in
// twips, and the title bars and buttons in pixels, with the default font sizes of the mode.

#include <array>

namespace torva::runtime {

inline constexpr int kMaxButtons = 24;
inline constexpr int kTwipsPerPixel = 15;  // the layout tables are drawn at 96 dots per inch

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

enum class WindowSizing {
    Outer,      // windowWidth/Height are the outer size of the window
    Client,     // they are the size of the client area (the designed layout of mode 1)
    Maximised,  // the window is maximised; no size is set
};

struct MenuLayout {
    int mode = 1;
    WindowSizing sizing = WindowSizing::Outer;
    int windowWidthTwips = 0;
    int windowHeightTwips = 0;
    bool minimiseBox = true;
    int buttonCount = 12;
    std::array<PixelRect, kMaxButtons> buttons{};
    bool titleBars = true;  // mode 7 shows none and carries the titles as a tooltip instead
    std::array<PixelRect, 2> titles{};
    PixelRect titleTipLabel;  // mode 7 only
    int titleFontSize = 0;    // defaults used when a stored size is 0; 0 = the mode shows none
    int captionFontSize = 0;
    bool captions = true;  // modes 5..7 print no captions; their tooltip carries the caption
};

// Screen size in pixels (for mode 4); tallCaption adds 120 twips to every window height.
MenuLayout ComputeLayout(int mode, int screenWidthPx, int screenHeightPx, bool tallCaption);

// Display mode names as the menu shows them ("標準" ...); empty outside 1..9.
const char* DisplayModeName(int mode);

}  // namespace torva::runtime
