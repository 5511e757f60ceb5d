#pragma once
// Geometry of a window that shows a page, in each of the nine display modes, for the two kinds of
// window that show one: the menu runtime's window and the editor's preview window (which carries a
// menu bar, the page number labels and always both titles). The window's outer size is in twips; the
// title bars, buttons and labels are in pixels, with the default font sizes of the mode.

#include <array>
#include <string>

namespace torva::menuview {

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

enum class WindowKind {
    Runtime,  // the menu itself
    Editor,   // the editor's preview of the menu
};

// The editor's menu bar: five menus with blank-padded captions, the same without the padding (the
// narrow windows), or everything under one menu (the vertical bar).
enum class MenuBarStyle { Padded, Compact, Single };

struct MenuLayout {
    WindowKind kind = WindowKind::Runtime;
    int mode = 1;
    WindowSizing sizing = WindowSizing::Outer;
    int windowWidthTwips = 0;
    int windowHeightTwips = 0;
    bool minimiseBox = true;
    int buttonCount = 12;
    std::array<PixelRect, kMaxButtons> buttons{};
    bool titleBars = true;  // the runtime's mode 7 shows none and carries the titles as a tooltip
    // The editor shows both titles whatever they hold, so that they can be selected.
    bool titlesAlwaysShown = false;
    std::array<PixelRect, 2> titles{};
    // The editor's title bars have a one-pixel border: their content (background copy, pattern and
    // text) sits inside it, at the inner size (width - 2, height - 2).
    int titleBorder = 0;
    PixelRect titleTipLabel;  // the runtime's mode 7 only
    // The editor's page number: the "頁：" label and the number beside it, with their font size.
    PixelRect pageLabel;
    PixelRect pageNumber;
    int pageLabelFontSize = 0;
    MenuBarStyle menuBar = MenuBarStyle::Padded;  // editor only
    int titleFontSize = 0;  // defaults used when a stored size is 0; 0 = the mode shows none
    int captionFontSize = 0;
    bool captions = true;  // modes 5..7 print no captions; their tooltip carries the caption
};

// The runtime's window. Screen size in pixels (for mode 4); tallCaption adds 120 twips to every
// window height.
MenuLayout ComputeLayout(int mode, int screenWidthPx, int screenHeightPx, bool tallCaption);

// Either kind of window. For the editor, tallCaption selects the taller heights of the systems whose
// window captions are taller (NT 5.1).
MenuLayout ComputeLayout(WindowKind kind, int mode, int screenWidthPx, int screenHeightPx, bool tallCaption);

// The editor's five top-level menu captions (file, edit, view, options, help) for a mode; empty
// texts in mode 7, which leaves them as they are.
std::array<std::string, 5> EditorMenuCaptions(int mode);

// The caption of the one menu that replaces the five in mode 7.
inline constexpr const char* kEditorSingleMenuCaption = "ﾒﾆｭｰ(&M)";

// Display mode names as the menu shows them ("標準" ...); empty outside 1..9.
const char* DisplayModeName(int mode);

}  // namespace torva::menuview
