#include "runtime/menu_layout.h"

namespace torva::runtime {

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

}  // namespace

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

}  // namespace torva::runtime
