// The attached monitors as the system reports them, fed to the menu's placement rule.
#include "platform/win32/monitors.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "runtime/placement.h"

namespace torva::test {
namespace {

constexpr int kTwips = 15;

std::vector<runtime::TwipsRect> InTwips(const std::vector<RECT>& monitors) {
    std::vector<runtime::TwipsRect> out;
    for (const RECT& m : monitors)
        out.push_back({m.left * kTwips, m.top * kTwips, m.right * kTwips, m.bottom * kTwips});
    return out;
}

TEST(AttachedMonitors, ThePrimaryComesFirstAndAllLieOnTheVirtualScreen) {
    const std::vector<RECT> monitors = win32::AttachedMonitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(monitors.front().left, 0);
    EXPECT_EQ(monitors.front().top, 0);
    EXPECT_EQ(monitors.front().right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(monitors.front().bottom, GetSystemMetrics(SM_CYSCREEN));
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    for (const RECT& m : monitors) {
        EXPECT_GE(m.left, left);
        EXPECT_GE(m.top, top);
        EXPECT_LE(m.right, left + GetSystemMetrics(SM_CXVIRTUALSCREEN));
        EXPECT_LE(m.bottom, top + GetSystemMetrics(SM_CYVIRTUALSCREEN));
    }
}

// A position saved on any monitor the system reports comes back; one beyond them all does not.
TEST(AttachedMonitors, SavedPositionsOnEachReportedMonitorAreKept) {
    runtime::PlacementInput in;
    in.mode = 1;
    in.screenWidthTwips = GetSystemMetrics(SM_CXSCREEN) * kTwips;
    in.screenHeightTwips = GetSystemMetrics(SM_CYSCREEN) * kTwips;
    in.windowWidthTwips = 4575;
    in.windowHeightTwips = 8580;
    in.positionSave = true;
    const std::vector<RECT> monitors = win32::AttachedMonitors();
    in.monitors = InTwips(monitors);
    for (const RECT& m : monitors) {
        in.savedLeft = (m.left + 10) * kTwips;
        in.savedTop = (m.top + 10) * kTwips;
        EXPECT_EQ(*runtime::PlaceWindow(in), (runtime::TwipsPoint{in.savedLeft, in.savedTop}));
    }
    in.savedLeft = (GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN)) * kTwips;
    in.savedTop = 0;
    EXPECT_NE(*runtime::PlaceWindow(in), (runtime::TwipsPoint{in.savedLeft, in.savedTop}));
}

}  // namespace
}  // namespace torva::test
