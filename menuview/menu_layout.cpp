#include "menuview/menu_layout.h"

namespace torva::menuview {

namespace {

constexpr int kTallCaptionTwips = 120;

void TwoColumns(MenuLayout& l, int leftA, int leftB, int w, int h, auto topOfRow) {
    for (int k = 1; k <= 6; ++k) {
        l.buttons[k - 1] = {leftA, topOfRow(k), w, h};
        l.buttons[k + 5] = {leftB, topOfRow(k), w, h};
    }
}

void FullScreen(MenuLayout& l, int sw, int sh) {
    l.sizing = WindowSizing::Maximised;
    const bool large = sw > 1000;
    const int tw = large ? 648 : 443;
    const int th = large ? 35 : 23;
    for (int i = 1; i <= 2; ++i) {
        l.titles[i - 1] = {(sw - tw) / 2, large ? 40 * i - 33 : 25 * i - 18, tw, th};
    }
    const int bw = large ? 337 : 235;
    const int bh = large ? 50 : 36;
    const int gap = large ? (sh - 410) / 7 : (sh - 300) / 7;
    const int leftA = (sw - 2 * bw) / 3;
    const int leftB = (2 * sw - 4 * bw) / 3 + bw;
    TwoColumns(l, leftA, leftB, bw, bh, [&](int k) { return (gap + bh) * k - 4; });
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
    auto height = [&](int xp, int other) { return tallCaption ? xp : other; };
    auto labels = [&](PixelRect label, PixelRect number, int size) {
        l.pageLabel = label;
        l.pageNumber = number;
        l.pageLabelFontSize = size;
    };
    switch (l.mode) {
        default:
        case 1:
            l.windowWidthTwips = 9075;
            l.windowHeightTwips = height(6555, 6435);
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {81, 26 * t - 19, 443, 23};
            TwoColumns(l, 42, 322, 235, 36, [](int r) { return 52 * r + 14; });
            labels({544, 12, 26, 13}, {568, 12, 17, 13}, 10);
            l.titleFontSize = 16;
            l.captionFontSize = 10;
            break;
        case 2:
        case 3:
            l.windowWidthTwips = 4575;
            l.windowHeightTwips = height(8700, 8580);
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {6, 14 * t - 11, 285, 13};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {29, 41 * i - 8, 235, 36};
            labels({268, 40, 15, 12}, {283, 40, 12, 12}, 9);
            l.titleFontSize = 10;
            l.captionFontSize = 10;
            l.menuBar = MenuBarStyle::Compact;
            break;
        case 4:
            FullScreen(l, sw, sh);
            if (sw > 1000) {
                labels({sw - 78, 15, 38, 19}, {sw - 40, 15, 20, 19}, 14);
            } else {
                labels({sw - 56, 12, 26, 13}, {sw - 30, 12, 17, 13}, 10);
            }
            break;
        case 5:
            l.windowWidthTwips = 7575;
            l.windowHeightTwips = height(2220, 2100);
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {50, 22 * t - 18, 400, 19};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {41 * i - 37, 50, 36, 36};
            labels({456, 8, 19, 13}, {472, 8, 17, 13}, 10);
            l.titleFontSize = 14;
            l.captions = false;
            break;
        case 6:
            l.windowWidthTwips = 4695;
            l.windowHeightTwips = height(1770, 1650);
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {32, 15 * t - 11, 241, 13};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {25 * i - 21, 36, 20, 20};
            labels({276, 5, 15, 12}, {290, 5, 12, 12}, 9);
            l.titleFontSize = 9;
            l.captions = false;
            l.menuBar = MenuBarStyle::Compact;
            break;
        case 7:
            // The titles keep the standard place, outside the narrow window, so they stay selectable.
            l.windowWidthTwips = 870;
            l.windowHeightTwips = height(8700, 8580);
            l.minimiseBox = false;
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {81, 26 * t - 19, 443, 23};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {6, 41 * i - 36, 36, 36};
            labels({4, 500, 26, 13}, {28, 500, 17, 13}, 10);
            l.titleFontSize = 16;
            l.captions = false;
            l.menuBar = MenuBarStyle::Single;
            break;
        case 8:
            l.windowWidthTwips = 13830;
            l.windowHeightTwips = height(10500, 10380);
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {132, 40 * t - 28, 648, 35};
            TwoColumns(l, 80, 496, 337, 50, [](int r) { return 88 * r + 24; });
            labels({820, 20, 38, 19}, {860, 20, 24, 19}, 14);
            l.titleFontSize = 24;
            l.captionFontSize = 14;
            break;
        case 9:
            l.windowWidthTwips = 12555;
            l.windowHeightTwips = height(8115, 7995);
            l.buttonCount = 24;
            for (int t = 1; t <= 2; ++t) l.titles[t - 1] = {81, 26 * t - 19, 677, 23};
            for (int r = 1; r <= 8; ++r) {
                l.buttons[r - 1] = {42, 52 * r + 14, 235, 36};
                l.buttons[r + 7] = {298, 52 * r + 14, 235, 36};
                l.buttons[r + 15] = {554, 52 * r + 14, 235, 36};
            }
            labels({780, 12, 26, 13}, {804, 12, 17, 13}, 10);
            l.titleFontSize = 16;
            l.captionFontSize = 10;
            break;
    }
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
    l.mode = mode;
    switch (mode) {
        default:
        case 1:
            l.mode = 1;
            l.sizing = WindowSizing::Client;
            l.windowWidthTwips = 8955;
            l.windowHeightTwips = 5745;
            l.titles = {PixelRect{81, 7, 443, 23}, PixelRect{81, 33, 443, 23}};
            TwoColumns(l, 42, 322, 235, 36, [](int k) { return 66 + 52 * (k - 1); });
            l.titleFontSize = 16;
            l.captionFontSize = 10;
            break;
        case 2:
        case 3:
            l.windowWidthTwips = 4575;
            l.windowHeightTwips = 8580;
            for (int i = 1; i <= 2; ++i) l.titles[i - 1] = {6, 14 * i - 11, 285, 13};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {29, 41 * i - 8, 235, 36};
            l.titleFontSize = 10;
            l.captionFontSize = 10;
            break;
        case 4:
            FullScreen(l, screenWidthPx, screenHeightPx);
            break;
        case 5:
            l.windowWidthTwips = 7575;
            l.windowHeightTwips = 1995;
            for (int i = 1; i <= 2; ++i) l.titles[i - 1] = {50, 22 * i - 18, 400, 19};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {41 * i - 37, 50, 36, 36};
            l.titleFontSize = 14;
            l.captions = false;
            break;
        case 6:
            l.windowWidthTwips = 4695;
            l.windowHeightTwips = 1545;
            for (int i = 1; i <= 2; ++i) l.titles[i - 1] = {32, 15 * i - 11, 241, 13};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {25 * i - 21, 36, 20, 20};
            l.titleFontSize = 9;
            l.captions = false;
            break;
        case 7:
            l.windowWidthTwips = 870;
            l.windowHeightTwips = 8580;
            l.minimiseBox = false;
            l.titleBars = false;
            l.titleTipLabel = {4, 497, 40, 31};
            for (int i = 1; i <= 12; ++i) l.buttons[i - 1] = {6, 41 * i - 36, 36, 36};
            l.captions = false;
            break;
        case 8:
            l.windowWidthTwips = 13830;
            l.windowHeightTwips = 10095;
            for (int i = 1; i <= 2; ++i) l.titles[i - 1] = {132, 40 * i - 28, 648, 35};
            TwoColumns(l, 80, 496, 337, 50, [](int k) { return 88 * k + 24; });
            l.titleFontSize = 24;
            l.captionFontSize = 14;
            break;
        case 9:
            l.windowWidthTwips = 12555;
            l.windowHeightTwips = 7710;
            l.buttonCount = 24;
            for (int i = 1; i <= 2; ++i) l.titles[i - 1] = {81, 26 * i - 19, 677, 23};
            for (int k = 1; k <= 8; ++k) {
                l.buttons[k - 1] = {42, 52 * k + 14, 235, 36};
                l.buttons[k + 7] = {298, 52 * k + 14, 235, 36};
                l.buttons[k + 15] = {554, 52 * k + 14, 235, 36};
            }
            l.titleFontSize = 16;
            l.captionFontSize = 10;
            break;
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
