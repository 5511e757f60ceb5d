// The menu window's outer size and every control's rectangle in each display mode.
#include <gtest/gtest.h>

#include "menuview/menu_layout.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

std::vector<std::string> ModeDefinition(int mode) {
    std::vector<std::string> lines = {"[VER8.05]",
                                      "[MODE" + std::to_string(mode) + "]",
                                      "[PAGE1]",
                                      "VARTITLE,\"Geometry\",,0",
                                      "TITLE1,\"Main title\",,,,,",
                                      "TITLE2,\"Sub title\",,,,,"};
    const int count = mode == 9 ? 24 : 12;
    for (int n = 1; n <= count; ++n) lines.push_back(ButtonLine(n, "B" + std::to_string(n)));
    return lines;
}

class ModeGeometry : public testing::TestWithParam<int> {};

TEST_P(ModeGeometry, WindowAndControlsMatchTheLayout) {
    const int mode = GetParam();
    MenuSession s;
    ASSERT_TRUE(s.Start(ModeDefinition(mode)));
    const menuview::MenuLayout layout =
        menuview::ComputeLayout(mode, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), false);

    switch (layout.sizing) {
        case menuview::WindowSizing::Maximised:
            EXPECT_TRUE(WaitUntil([&] { return IsZoomed(s.Menu()) != FALSE; }));
            break;
        case menuview::WindowSizing::Client: {
            const RECT client = ClientRectOnScreen(s.Menu());
            EXPECT_EQ(Width(client), layout.windowWidthTwips / 15);
            EXPECT_EQ(Height(client), layout.windowHeightTwips / 15);
            break;
        }
        case menuview::WindowSizing::Outer: {
            const RECT outer = WindowRectOnScreen(s.Menu());
            EXPECT_EQ(Width(outer), layout.windowWidthTwips / 15);
            EXPECT_EQ(Height(outer), layout.windowHeightTwips / 15);
            break;
        }
    }
    EXPECT_EQ((WindowStyle(s.Menu()) & WS_MINIMIZEBOX) != 0, layout.minimiseBox);

    for (int n = 1; n <= 24; ++n) {
        SCOPED_TRACE("button " + std::to_string(n));
        const auto c = FindControlById(s.Menu(), kButtonId + n);
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->visible, n <= layout.buttonCount);
        if (n > layout.buttonCount) continue;
        const menuview::PixelRect& r = layout.buttons[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(c->inParent.left, r.left);
        EXPECT_EQ(c->inParent.top, r.top);
        EXPECT_EQ(Width(c->inParent), r.width);
        EXPECT_EQ(Height(c->inParent), r.height);
    }
    for (int i = 1; i <= 2; ++i) {
        SCOPED_TRACE("title " + std::to_string(i));
        const auto c = FindControlById(s.Menu(), kTitleId + i);
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->visible, layout.titleBars);
        if (!layout.titleBars) continue;
        const menuview::PixelRect& r = layout.titles[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(c->inParent.left, r.left);
        EXPECT_EQ(c->inParent.top, r.top);
        EXPECT_EQ(Width(c->inParent), r.width);
        EXPECT_EQ(Height(c->inParent), r.height);
    }
    const auto tip = FindControlById(s.Menu(), 1200);
    EXPECT_EQ(tip.has_value(), !layout.titleBars);
    if (tip) {
        EXPECT_EQ(tip->inParent.left, 4);
        EXPECT_EQ(tip->inParent.top, 497);
    }
    // The caption is the bar title.
    EXPECT_EQ(WindowText(s.Menu()), "Geometry");
}

INSTANTIATE_TEST_SUITE_P(AllModes, ModeGeometry, testing::Range(1, 10));

TEST(Placement, ModesTakeTheirPlaceOnTheScreen) {
    const int sw = GetSystemMetrics(SM_CXSCREEN);
    const int sh = GetSystemMetrics(SM_CYSCREEN);
    for (const int mode : {1, 2, 3}) {
        SCOPED_TRACE(mode);
        MenuSession s;
        ASSERT_TRUE(s.Start(ModeDefinition(mode)));
        const RECT r = WindowRectOnScreen(s.Menu());
        if (mode == 1) {
            // Centred in whole twips: within a pixel of the middle.
            EXPECT_NEAR(r.left, (sw - Width(r)) / 2, 1);
            EXPECT_NEAR(r.top, (sh - Height(r)) / 2, 1);
        } else if (mode == 2) {
            EXPECT_EQ(r.right, sw);
            EXPECT_EQ(r.top, 0);
        } else {
            EXPECT_EQ(r.left, 0);
            EXPECT_EQ(r.top, 0);
        }
    }
}

}  // namespace
}  // namespace torva::e2e
