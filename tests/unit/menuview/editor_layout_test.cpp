// The editor's preview window: its own window heights (a menu bar, and taller on NT 5.1), the page
// number labels, both titles always shown, and the control places of each mode as numbers.
#include <gtest/gtest.h>

#include "menuview/button_face.h"
#include "menuview/menu_layout.h"

namespace torva::menuview {
namespace {

MenuLayout Editor(int mode, bool xp = false, int sw = 1280, int sh = 1024) {
    return ComputeLayout(WindowKind::Editor, mode, sw, sh, xp);
}

// One row a windowed mode: the window, its controls and its default fonts.
struct EditorModeCase {
    int mode;
    int width, heightXp, heightOther, buttons;
    bool minimiseBox;
    MenuBarStyle menuBar;
    PixelRect title1, title2, firstSlot, lastSlot, label, number;
    int labelFont, titleFont, captionFont;
};

class EditorMode : public testing::TestWithParam<EditorModeCase> {};

TEST_P(EditorMode, FollowsTheTableAndTheXpFlag) {
    const auto& c = GetParam();
    const MenuLayout l = Editor(c.mode, false);
    const MenuLayout xp = Editor(c.mode, true);
    EXPECT_EQ(l.kind, WindowKind::Editor);
    EXPECT_EQ(l.sizing, WindowSizing::Outer);
    EXPECT_EQ(l.windowWidthTwips, c.width);
    EXPECT_EQ(xp.windowWidthTwips, c.width);
    EXPECT_EQ(l.windowHeightTwips, c.heightOther);
    EXPECT_EQ(xp.windowHeightTwips, c.heightXp);
    EXPECT_EQ(l.buttonCount, c.buttons);
    EXPECT_EQ(l.minimiseBox, c.minimiseBox);
    EXPECT_EQ(l.menuBar, c.menuBar);
    EXPECT_TRUE(l.titlesAlwaysShown);
    EXPECT_TRUE(l.titleBars);
    EXPECT_EQ(l.titleBorder, 1);
    EXPECT_EQ(l.titles[0], c.title1);
    EXPECT_EQ(l.titles[1], c.title2);
    EXPECT_EQ(l.buttons[0], c.firstSlot);
    EXPECT_EQ(l.buttons[static_cast<std::size_t>(l.buttonCount - 1)], c.lastSlot);
    EXPECT_EQ(l.pageLabel, c.label);
    EXPECT_EQ(l.pageNumber, c.number);
    EXPECT_EQ(l.pageLabelFontSize, c.labelFont);
    EXPECT_EQ(l.titleFontSize, c.titleFont);
    EXPECT_EQ(l.captionFontSize, c.captionFont);
    EXPECT_EQ(l.captions, c.captionFont != 0);
}

// The vertical bar (7) keeps its titles at the standard place, beyond its narrow width, and unlike
// the runtime's bar prints them at 16 points.
// clang-format off
INSTANTIATE_TEST_SUITE_P(AllFixedModes, EditorMode, testing::Values(
    EditorModeCase{1, 9075, 6555, 6435, 12, true, MenuBarStyle::Padded, {81, 7, 443, 23}, {81, 33, 443, 23},
                   {42, 66, 235, 36}, {322, 326, 235, 36}, {544, 12, 26, 13}, {568, 12, 17, 13}, 10, 16, 10},
    EditorModeCase{2, 4575, 8700, 8580, 12, true, MenuBarStyle::Compact, {6, 3, 285, 13}, {6, 17, 285, 13},
                   {29, 33, 235, 36}, {29, 484, 235, 36}, {268, 40, 15, 12}, {283, 40, 12, 12}, 9, 10, 10},
    EditorModeCase{3, 4575, 8700, 8580, 12, true, MenuBarStyle::Compact, {6, 3, 285, 13}, {6, 17, 285, 13},
                   {29, 33, 235, 36}, {29, 484, 235, 36}, {268, 40, 15, 12}, {283, 40, 12, 12}, 9, 10, 10},
    EditorModeCase{5, 7575, 2220, 2100, 12, true, MenuBarStyle::Padded, {50, 4, 400, 19}, {50, 26, 400, 19},
                   {4, 50, 36, 36}, {455, 50, 36, 36}, {456, 8, 19, 13}, {472, 8, 17, 13}, 10, 14, 0},
    EditorModeCase{6, 4695, 1770, 1650, 12, true, MenuBarStyle::Compact, {32, 4, 241, 13}, {32, 19, 241, 13},
                   {4, 36, 20, 20}, {279, 36, 20, 20}, {276, 5, 15, 12}, {290, 5, 12, 12}, 9, 9, 0},
    EditorModeCase{7, 870, 8700, 8580, 12, false, MenuBarStyle::Single, {81, 7, 443, 23}, {81, 33, 443, 23},
                   {6, 5, 36, 36}, {6, 456, 36, 36}, {4, 500, 26, 13}, {28, 500, 17, 13}, 10, 16, 0},
    EditorModeCase{8, 13830, 10500, 10380, 12, true, MenuBarStyle::Padded, {132, 12, 648, 35},
                   {132, 52, 648, 35}, {80, 112, 337, 50}, {496, 552, 337, 50}, {820, 20, 38, 19},
                   {860, 20, 24, 19}, 14, 24, 14},
    EditorModeCase{9, 12555, 8115, 7995, 24, true, MenuBarStyle::Padded, {81, 7, 677, 23}, {81, 33, 677, 23},
                   {42, 66, 235, 36}, {554, 430, 235, 36}, {780, 12, 26, 13}, {804, 12, 17, 13}, 10, 16, 10}));
// clang-format on

TEST(EditorFullScreen, NarrowScreenUsesTheSmallSlotsAndLabels) {
    const MenuLayout l = Editor(4, true, 1000, 700);
    EXPECT_EQ(l.sizing, WindowSizing::Maximised);
    // p = (700 - 300) / 7 = 57; tops (57 + 36) r - 4.
    EXPECT_EQ(l.titles[0], (PixelRect{278, 7, 443, 23}));
    EXPECT_EQ(l.titles[1], (PixelRect{278, 32, 443, 23}));
    EXPECT_EQ(l.buttons[0], (PixelRect{176, 89, 235, 36}));
    EXPECT_EQ(l.buttons[11], (PixelRect{588, 554, 235, 36}));
    EXPECT_EQ(l.pageLabel, (PixelRect{944, 12, 26, 13}));
    EXPECT_EQ(l.pageNumber, (PixelRect{970, 12, 17, 13}));
    EXPECT_EQ(l.pageLabelFontSize, 10);
    EXPECT_EQ(l.titleFontSize, 16);
    EXPECT_EQ(l.captionFontSize, 10);
}

TEST(EditorFullScreen, ScreenOf1024HasAPitchOf101) {
    const MenuLayout l = Editor(4, false, 1024, 768);
    EXPECT_EQ(l.titles[0], (PixelRect{188, 7, 648, 35}));
    EXPECT_EQ(l.titles[1], (PixelRect{188, 47, 648, 35}));
    EXPECT_EQ(l.buttons[1].top - l.buttons[0].top, 101);
    EXPECT_EQ(l.buttons[0], (PixelRect{116, 97, 337, 50}));
    EXPECT_EQ(l.buttons[6].left, 570);
    EXPECT_EQ(l.pageLabel, (PixelRect{946, 15, 38, 19}));
    EXPECT_EQ(l.pageNumber, (PixelRect{984, 15, 20, 19}));
    EXPECT_EQ(l.pageLabelFontSize, 14);
    EXPECT_EQ(l.titleFontSize, 24);
    EXPECT_EQ(l.captionFontSize, 14);
}

TEST(EditorTitles, AreShownEvenWhenEmptyAndDefaultColoured) {
    EXPECT_TRUE(TitleBarShown(Editor(1), "", kDefaultBackColour));
    EXPECT_TRUE(TitleBarShown(Editor(7), "", kDefaultBackColour));
    const MenuLayout runtime = ComputeLayout(WindowKind::Runtime, 1, 1280, 1024, false);
    EXPECT_FALSE(TitleBarShown(runtime, "  ", kDefaultBackColour));
    EXPECT_TRUE(TitleBarShown(runtime, "", 0x000000FFu));
    EXPECT_FALSE(TitleBarShown(ComputeLayout(WindowKind::Runtime, 7, 1280, 1024, false), "Text", 0));
}

TEST(EditorTitles, TextIsCentredInsideTheBorder) {
    // x = (width - 2 - text width) / 2 and y = (height - 2 - text height) / 2 inside a 1-pixel border.
    EXPECT_EQ(TitleTextOrigin(1, 443, 23, 100, 16), (FacePoint{1 + 170, 1 + 2}));
    EXPECT_EQ(TitleTextOrigin(1, 285, 13, 300, 12), (FacePoint{1 - 8, 1 + 0}));
    // The runtime's bars have no border: (443 - 100) / 2, (23 - 16) / 2.
    EXPECT_EQ(TitleTextOrigin(0, 443, 23, 100, 16), (FacePoint{171, 3}));
}

TEST(EditorMenuBar, CaptionsArePaddedExceptInTheNarrowModes) {
    const auto padded = EditorMenuCaptions(1);
    EXPECT_EQ(padded[0], " ﾌｧｲﾙ(&F) ");
    EXPECT_EQ(padded[3], " ｵﾌﾟｼｮﾝ(&O)");
    EXPECT_EQ(padded[4], " ﾍﾙﾌﾟ(&H) ");
    for (const int mode : {2, 3, 6}) {
        const auto compact = EditorMenuCaptions(mode);
        EXPECT_EQ(compact[0], "ﾌｧｲﾙ(&F)") << mode;
        EXPECT_EQ(compact[2], "表示(&V)") << mode;
    }
    EXPECT_EQ(EditorMenuCaptions(7)[0], "");
    for (const int mode : {4, 5, 8, 9}) EXPECT_EQ(EditorMenuCaptions(mode)[1], " 編集(&E) ") << mode;
}

TEST(EditorLayout, RuntimeKindIsTheRuntimeWindow) {
    for (int mode = 1; mode <= 9; ++mode) {
        const MenuLayout a = ComputeLayout(WindowKind::Runtime, mode, 1024, 768, true);
        const MenuLayout b = ComputeLayout(mode, 1024, 768, true);
        EXPECT_EQ(a.windowHeightTwips, b.windowHeightTwips) << mode;
        EXPECT_EQ(a.buttons, b.buttons) << mode;
        EXPECT_EQ(a.kind, WindowKind::Runtime);
        EXPECT_FALSE(a.titlesAlwaysShown);
    }
}

}  // namespace
}  // namespace torva::menuview
