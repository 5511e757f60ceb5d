#include "menuview/menu_layout.h"

namespace torva::menuview {

namespace {

constexpr int kTallCaptionTwips = 120;

// Buttons in columns filled top to bottom: button i (from 0) stands in column i / rows, row i % rows.
struct ButtonGrid {
    int columns;
    int rows;
    int left;
    int columnPitch;
    int top;
    int rowPitch;
    int width;
    int height;
};

// The two titles, one below the other.
struct TitleRow {
    int left;
    int top;
    int pitch;
    int width;
    int height;
};

// The figures of one windowed mode (all but the full screen). Heights are those of the usual window
// caption; the editor's window carries its menu bar and page number labels.
struct ModeFigures {
    int runtimeWidthTwips;
    int editorWidthTwips;
    int runtimeHeightTwips;
    int editorHeightTwips;
    TitleRow titles;
    ButtonGrid buttons;
    int titleFontSize;
    int captionFontSize;  // 0: the mode prints no captions
    PixelRect pageLabel;
    PixelRect pageNumber;
    int pageLabelFontSize;
    MenuBarStyle menuBar;
};

constexpr TitleRow kStandardTitles{81, 7, 26, 443, 23};

// Index = mode; mode 4 (full screen) is computed from the screen instead.
// clang-format off
constexpr ModeFigures kModes[10] = {
    {},
    {8955, 9075, 5745, 6435, kStandardTitles, {2, 6, 42, 280, 66, 52, 235, 36}, 16, 10,
     {544, 12, 26, 13}, {568, 12, 17, 13}, 10, MenuBarStyle::Padded},
    {4575, 4575, 8580, 8580, {6, 3, 14, 285, 13}, {1, 12, 29, 0, 33, 41, 235, 36}, 10, 10,
     {268, 40, 15, 12}, {283, 40, 12, 12}, 9, MenuBarStyle::Compact},
    {4575, 4575, 8580, 8580, {6, 3, 14, 285, 13}, {1, 12, 29, 0, 33, 41, 235, 36}, 10, 10,
     {268, 40, 15, 12}, {283, 40, 12, 12}, 9, MenuBarStyle::Compact},
    {},
    {7575, 7575, 1995, 2100, {50, 4, 22, 400, 19}, {12, 1, 4, 41, 50, 0, 36, 36}, 14, 0,
     {456, 8, 19, 13}, {472, 8, 17, 13}, 10, MenuBarStyle::Padded},
    {4695, 4695, 1545, 1650, {32, 4, 15, 241, 13}, {12, 1, 4, 25, 36, 0, 20, 20}, 9, 0,
     {276, 5, 15, 12}, {290, 5, 12, 12}, 9, MenuBarStyle::Compact},
    // The runtime shows no title bars here; the editor keeps the standard place, outside the narrow
    // window, so that the titles stay selectable.
    {870, 870, 8580, 8580, kStandardTitles, {1, 12, 6, 0, 5, 41, 36, 36}, 16, 0,
     {4, 500, 26, 13}, {28, 500, 17, 13}, 10, MenuBarStyle::Single},
    {13830, 13830, 10095, 10380, {132, 12, 40, 648, 35}, {2, 6, 80, 416, 112, 88, 337, 50}, 24, 14,
     {820, 20, 38, 19}, {860, 20, 24, 19}, 14, MenuBarStyle::Padded},
    {12555, 12555, 7710, 7995, {81, 7, 26, 677, 23}, {3, 8, 42, 256, 66, 52, 235, 36}, 16, 10,
     {780, 12, 26, 13}, {804, 12, 17, 13}, 10, MenuBarStyle::Padded},
};
// clang-format on

constexpr int kNarrowBarMode = 7;

void PlaceTitles(MenuLayout& l, const TitleRow& row) {
    for (int t = 0; t < 2; ++t) l.titles[t] = {row.left, row.top + row.pitch * t, row.width, row.height};
}

void PlaceButtons(MenuLayout& l, const ButtonGrid& grid) {
    l.buttonCount = grid.columns * grid.rows;
    for (int i = 0; i < l.buttonCount; ++i) {
        const int column = i / grid.rows;
        const int row = i % grid.rows;
        l.buttons[i] = {grid.left + column * grid.columnPitch, grid.top + row * grid.rowPitch, grid.width,
                        grid.height};
    }
}

// The figures every kind of window shares.
void ApplyFigures(MenuLayout& l, const ModeFigures& f) {
    PlaceButtons(l, f.buttons);
    l.titleFontSize = f.titleFontSize;
    l.captions = f.captionFontSize != 0;
    if (l.captions) l.captionFontSize = f.captionFontSize;
}

void FullScreen(MenuLayout& l, int sw, int sh) {
    l.sizing = WindowSizing::Maximised;
    const bool large = sw > 1000;
    const int tw = large ? 648 : 443;
    const int th = large ? 35 : 23;
    PlaceTitles(l, {(sw - tw) / 2, 7, large ? 40 : 25, tw, th});
    const int bw = large ? 337 : 235;
    const int bh = large ? 50 : 36;
    const int gap = large ? (sh - 410) / 7 : (sh - 300) / 7;
    const int leftA = (sw - 2 * bw) / 3;
    const int leftB = (2 * sw - 4 * bw) / 3 + bw;
    PlaceButtons(l, {2, 6, leftA, leftB - leftA, gap + bh - 4, gap + bh, bw, bh});
    l.titleFontSize = large ? 24 : 16;
    l.captionFontSize = large ? 14 : 10;
}

// The editor's window: the runtime's figures where they agree, with the heights of a window that
// carries a menu bar, both titles and the page number labels.
MenuLayout EditorLayout(int mode, int sw, int sh, bool tallCaption) {
    MenuLayout l;
    l.kind = WindowKind::Editor;
    l.mode = mode >= 1 && mode <= 9 ? mode : 1;
    l.titlesAlwaysShown = true;
    l.titleBorder = 1;
    if (l.mode == 4) {
        FullScreen(l, sw, sh);
        const bool large = sw > 1000;
        l.pageLabel = large ? PixelRect{sw - 78, 15, 38, 19} : PixelRect{sw - 56, 12, 26, 13};
        l.pageNumber = large ? PixelRect{sw - 40, 15, 20, 19} : PixelRect{sw - 30, 12, 17, 13};
        l.pageLabelFontSize = large ? 14 : 10;
        return l;
    }
    const ModeFigures& f = kModes[l.mode];
    ApplyFigures(l, f);
    l.windowWidthTwips = f.editorWidthTwips;
    l.windowHeightTwips = f.editorHeightTwips + (tallCaption ? kTallCaptionTwips : 0);
    PlaceTitles(l, f.titles);
    l.pageLabel = f.pageLabel;
    l.pageNumber = f.pageNumber;
    l.pageLabelFontSize = f.pageLabelFontSize;
    l.menuBar = f.menuBar;
    l.minimiseBox = l.mode != kNarrowBarMode;
    return l;
}

}  // namespace

MenuLayout ComputeLayout(WindowKind kind, int mode, int screenWidthPx, int screenHeightPx, bool tallCaption) {
    if (kind == WindowKind::Editor) return EditorLayout(mode, screenWidthPx, screenHeightPx, tallCaption);
    return ComputeLayout(mode, screenWidthPx, screenHeightPx, tallCaption);
}

std::array<std::string, 5> EditorMenuCaptions(int mode) {
    switch (mode) {
        case 2:
        case 3:
        case 6:
            return {"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"};
        case 7:
            return {};
        default:
            return {" ﾌｧｲﾙ(&F) ", " 編集(&E) ", " 表示(&V) ", " ｵﾌﾟｼｮﾝ(&O)", " ﾍﾙﾌﾟ(&H) "};
    }
}

MenuLayout ComputeLayout(int mode, int screenWidthPx, int screenHeightPx, bool tallCaption) {
    MenuLayout l;
    l.mode = mode >= 1 && mode <= 9 ? mode : 1;
    if (l.mode == 4) {
        FullScreen(l, screenWidthPx, screenHeightPx);
        return l;
    }
    const ModeFigures& f = kModes[l.mode];
    ApplyFigures(l, f);
    l.windowWidthTwips = f.runtimeWidthTwips;
    l.windowHeightTwips = f.runtimeHeightTwips;
    if (l.mode == 1) l.sizing = WindowSizing::Client;
    if (l.mode == kNarrowBarMode) {
        // No title bars: the titles are a tooltip over this label.
        l.minimiseBox = false;
        l.titleBars = false;
        l.titleTipLabel = {4, 497, 40, 31};
        l.titleFontSize = 0;
    } else {
        PlaceTitles(l, f.titles);
    }
    // A client-sized window gets the taller caption from the system's own frame arithmetic.
    if (tallCaption && l.sizing == WindowSizing::Outer) l.windowHeightTwips += kTallCaptionTwips;
    return l;
}

const char* DisplayModeName(int mode) {
    static constexpr const char* kNames[] = {"",         "標準",       "右端",   "左端",   "全画面",
                                             "アイコン", "アイコン小", "縦バー", "標準大", "拡張"};
    return mode >= 1 && mode <= 9 ? kNames[mode] : "";
}

}  // namespace torva::menuview
