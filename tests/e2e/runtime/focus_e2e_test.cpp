// The selection a user sees on the menu: the dotted rectangle around the caption of the focused
// button, with the menu in front and behind another program.
#include <gtest/gtest.h>

#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

// Button n as the screen shows it, once the menu has painted everything it has to.
Capture ButtonOnScreen(const MenuSession& s, int n) {
    if (!WaitUntilPainted(s.Menu())) return {};
    return CaptureScreen(WindowRectOnScreen(s.Button(n)));
}

TEST(FocusRectangle, StaysWhileAnotherProgramIsInFrontAndLeavesWithTheFocus) {
    MenuSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE1]", "[PAGE1]", ButtonLine(1, "One"), ButtonLine(2, "Two")}));
    ASSERT_TRUE(BringToForeground(s.Menu()));
    ASSERT_TRUE(WaitUntil([&] { return s.FocusedButton() == 1; }));
    const Capture selected = ButtonOnScreen(s, 1);
    ASSERT_FALSE(selected.Empty());

    // Another program comes to the front, in a corner where it covers none of the menu's buttons.
    Process other = Process::Start(
        s.Probe(),
        StartOptions().Args("--title FrontProbe").WithEnv("TORVA_PROBE_LOG", s.Folder().File("front.log")));
    ASSERT_TRUE(other.Valid());
    WindowQuery front;
    front.processId = other.Id();
    const auto frontWindow = WaitForWindow(front);
    ASSERT_TRUE(frontWindow.has_value());
    SetWindowPos(*frontWindow, nullptr, 0, 0, 60, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(BringToForeground(*frontWindow));
    ASSERT_TRUE(WaitUntil([&] { return s.Focus() == nullptr; })) << "the menu lost the keyboard focus";
    RECT overlap{};
    const RECT button = WindowRectOnScreen(s.Button(1));
    const RECT covering = WindowRectOnScreen(*frontWindow);
    ASSERT_FALSE(IntersectRect(&overlap, &button, &covering));
    EXPECT_EQ(ButtonOnScreen(s, 1).Similarity(selected), 1.0) << "the rectangle stays on button 1";

    // Back in the menu, the focus moves on: the rectangle leaves button 1 for button 2.
    ASSERT_TRUE(BringToForeground(s.Menu()));
    ASSERT_TRUE(WaitUntil([&] { return s.FocusedButton() == 1; }));
    PostKey(s.Button(1), VK_DOWN);
    ASSERT_TRUE(WaitUntil([&] { return s.FocusedButton() == 2; }));
    EXPECT_LT(ButtonOnScreen(s, 1).Similarity(selected), 1.0) << "button 1 without its rectangle";
    other.Kill();
}

}  // namespace
}  // namespace torva::e2e
