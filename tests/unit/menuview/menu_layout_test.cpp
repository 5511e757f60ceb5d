#include "menuview/menu_layout.h"

#include <gtest/gtest.h>

namespace torva::menuview {
namespace {

struct WindowCase {
    int mode;
    WindowSizing sizing;
    int width;
    int height;
    int buttons;
    bool minimiseBox;
    int titleFont;
    int captionFont;  // 0: no captions
};

class WindowSize : public testing::TestWithParam<WindowCase> {};

TEST_P(WindowSize, MatchesTheModeTable) {
    const auto& c = GetParam();
    for (const bool tall : {false, true}) {
        SCOPED_TRACE(tall ? "tall caption" : "normal caption");
        const MenuLayout l = ComputeLayout(c.mode, 1280, 1024, tall);
        EXPECT_EQ(l.sizing, c.sizing);
        EXPECT_EQ(l.windowWidthTwips, c.width);
        const int extra = tall && c.sizing == WindowSizing::Outer ? 120 : 0;
        EXPECT_EQ(l.windowHeightTwips, c.height + extra);
        EXPECT_EQ(l.buttonCount, c.buttons);
        EXPECT_EQ(l.minimiseBox, c.minimiseBox);
        if (c.mode == 4) continue;  // its fonts follow the screen
        EXPECT_EQ(l.titleFontSize, c.titleFont);
        EXPECT_EQ(l.captionFontSize, c.captionFont);
        EXPECT_EQ(l.captions, c.captionFont != 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AllModes, WindowSize,
                         testing::Values(WindowCase{1, WindowSizing::Client, 8955, 5745, 12, true, 16, 10},
                                         WindowCase{2, WindowSizing::Outer, 4575, 8580, 12, true, 10, 10},
                                         WindowCase{3, WindowSizing::Outer, 4575, 8580, 12, true, 10, 10},
                                         WindowCase{4, WindowSizing::Maximised, 0, 0, 12, true, 0, 0},
                                         WindowCase{5, WindowSizing::Outer, 7575, 1995, 12, true, 14, 0},
                                         WindowCase{6, WindowSizing::Outer, 4695, 1545, 12, true, 9, 0},
                                         WindowCase{7, WindowSizing::Outer, 870, 8580, 12, false, 0, 0},
                                         WindowCase{8, WindowSizing::Outer, 13830, 10095, 12, true, 24, 14},
                                         WindowCase{9, WindowSizing::Outer, 12555, 7710, 24, true, 16, 10}));

// One expected rectangle per control: the formulas of each mode written out as numbers.
struct ControlCase {
    int mode;
    int button;  // 0 for a title bar
    int title;
    PixelRect rect;
};

class ControlRect : public testing::TestWithParam<ControlCase> {};

TEST_P(ControlRect, MatchesTheModeTable) {
    const auto& c = GetParam();
    const MenuLayout l = ComputeLayout(c.mode, 800, 600, false);
    const PixelRect r = c.button ? l.buttons[c.button - 1] : l.titles[c.title - 1];
    EXPECT_EQ(r, c.rect);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ControlRect,
    testing::Values(
        // Mode 1: the designed twips layout at 15 twips a pixel.
        ControlCase{1, 0, 1, {81, 7, 443, 23}}, ControlCase{1, 0, 2, {81, 33, 443, 23}},
        ControlCase{1, 1, 0, {42, 66, 235, 36}}, ControlCase{1, 6, 0, {42, 326, 235, 36}},
        ControlCase{1, 7, 0, {322, 66, 235, 36}}, ControlCase{1, 12, 0, {322, 326, 235, 36}},
        ControlCase{2, 0, 1, {6, 3, 285, 13}}, ControlCase{2, 0, 2, {6, 17, 285, 13}},
        ControlCase{2, 1, 0, {29, 33, 235, 36}}, ControlCase{2, 12, 0, {29, 484, 235, 36}},
        ControlCase{3, 5, 0, {29, 197, 235, 36}}, ControlCase{5, 0, 1, {50, 4, 400, 19}},
        ControlCase{5, 0, 2, {50, 26, 400, 19}}, ControlCase{5, 1, 0, {4, 50, 36, 36}},
        ControlCase{5, 12, 0, {455, 50, 36, 36}}, ControlCase{6, 0, 1, {32, 4, 241, 13}},
        ControlCase{6, 0, 2, {32, 19, 241, 13}}, ControlCase{6, 1, 0, {4, 36, 20, 20}},
        ControlCase{6, 12, 0, {279, 36, 20, 20}}, ControlCase{7, 1, 0, {6, 5, 36, 36}},
        ControlCase{7, 12, 0, {6, 456, 36, 36}}, ControlCase{8, 0, 1, {132, 12, 648, 35}},
        ControlCase{8, 0, 2, {132, 52, 648, 35}}, ControlCase{8, 1, 0, {80, 112, 337, 50}},
        ControlCase{8, 6, 0, {80, 552, 337, 50}}, ControlCase{8, 7, 0, {496, 112, 337, 50}},
        ControlCase{8, 12, 0, {496, 552, 337, 50}}, ControlCase{9, 0, 1, {81, 7, 677, 23}},
        ControlCase{9, 0, 2, {81, 33, 677, 23}}, ControlCase{9, 1, 0, {42, 66, 235, 36}},
        ControlCase{9, 8, 0, {42, 430, 235, 36}}, ControlCase{9, 9, 0, {298, 66, 235, 36}},
        ControlCase{9, 16, 0, {298, 430, 235, 36}}, ControlCase{9, 17, 0, {554, 66, 235, 36}},
        ControlCase{9, 24, 0, {554, 430, 235, 36}}));

TEST(FullScreenLayout, SmallScreenUsesTheSmallButtons) {
    const MenuLayout l = ComputeLayout(4, 800, 600, false);
    const int g = (600 - 300) / 7;  // 42
    EXPECT_EQ(l.titles[0], (PixelRect{(800 - 443) / 2, 7, 443, 23}));
    EXPECT_EQ(l.titles[1], (PixelRect{(800 - 443) / 2, 32, 443, 23}));
    EXPECT_EQ(l.buttons[0], (PixelRect{(800 - 470) / 3, (g + 36) - 4, 235, 36}));
    EXPECT_EQ(l.buttons[5], (PixelRect{110, (g + 36) * 6 - 4, 235, 36}));
    EXPECT_EQ(l.buttons[6], (PixelRect{(1600 - 940) / 3 + 235, 74, 235, 36}));
    EXPECT_EQ(l.titleFontSize, 16);
    EXPECT_EQ(l.captionFontSize, 10);
}

TEST(FullScreenLayout, ScreenOf1024UsesTheLargeButtons) {
    const MenuLayout l = ComputeLayout(4, 1024, 768, true);
    const int g = (768 - 410) / 7;
    ASSERT_EQ(g, 51);
    EXPECT_EQ(l.titles[0], (PixelRect{188, 7, 648, 35}));
    EXPECT_EQ(l.titles[1], (PixelRect{188, 47, 648, 35}));
    EXPECT_EQ(l.buttons[0], (PixelRect{116, 97, 337, 50}));
    EXPECT_EQ(l.buttons[11], (PixelRect{(2048 - 1348) / 3 + 337, 101 * 6 - 4, 337, 50}));
    EXPECT_EQ(l.titleFontSize, 24);
    EXPECT_EQ(l.captionFontSize, 14);
    EXPECT_EQ(l.sizing, WindowSizing::Maximised);
}

TEST(FullScreenLayout, BoundaryOf1000IsStillSmall) {
    EXPECT_EQ(ComputeLayout(4, 1000, 700, false).buttons[0].width, 235);
    EXPECT_EQ(ComputeLayout(4, 1001, 700, false).buttons[0].width, 337);
}

TEST(ModeSeven, ShowsNoTitleBarsButTheTipLabel) {
    const MenuLayout l = ComputeLayout(7, 1280, 1024, false);
    EXPECT_FALSE(l.titleBars);
    EXPECT_EQ(l.titleTipLabel, (PixelRect{4, 497, 40, 31}));
    EXPECT_TRUE(ComputeLayout(1, 1280, 1024, false).titleBars);
}

TEST(Layout, UnknownModeFallsBackToTheStandardWindow) {
    EXPECT_EQ(ComputeLayout(0, 1280, 1024, false).mode, 1);
    EXPECT_EQ(ComputeLayout(10, 1280, 1024, false).windowWidthTwips, 8955);
}

TEST(Layout, ButtonsOfOneModeNeverOverlap) {
    for (int mode = 1; mode <= 9; ++mode) {
        const MenuLayout l = ComputeLayout(mode, 1024, 768, false);
        for (int a = 0; a < l.buttonCount; ++a) {
            for (int b = a + 1; b < l.buttonCount; ++b) {
                const PixelRect &x = l.buttons[a], &y = l.buttons[b];
                const bool apart =
                    x.right() <= y.left || y.right() <= x.left || x.bottom() <= y.top || y.bottom() <= x.top;
                EXPECT_TRUE(apart) << "mode " << mode << " buttons " << a + 1 << " and " << b + 1;
            }
        }
    }
}

}  // namespace
}  // namespace torva::menuview
