// Keyboard focus between buttons, function keys and page keys on the running menu.
#include <gtest/gtest.h>

#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

std::vector<std::string> Buttons(int mode, bool pageKeys = false) {
    std::vector<std::string> lines = {"[VER8.05]"};
    if (pageKeys) lines.push_back("[PKEY]");
    lines.push_back("[MODE" + std::to_string(mode) + "]");
    lines.push_back("[PAGE1]");
    const int count = mode == 9 ? 24 : 12;
    for (int n = 1; n <= count; ++n) lines.push_back(ButtonLine(n, "B" + std::to_string(n)));
    return lines;
}

// The full default wait: on a loaded machine a key can take seconds to reach the menu, and a
// focus that never moves still fails.
bool FocusBecomes(const MenuSession& s, int n) {
    return WaitUntil([&] { return s.FocusedButton() == n; });
}

struct KeyWalk {
    int mode;
    std::vector<std::pair<UINT, int>> steps;  // key, button focused afterwards
};

class ArrowKeyWalk : public testing::TestWithParam<KeyWalk> {};

TEST_P(ArrowKeyWalk, FocusMovesAsTabled) {
    const auto& walk = GetParam();
    MenuSession s;
    ASSERT_TRUE(s.Start(Buttons(walk.mode)));
    ASSERT_TRUE(FocusBecomes(s, 1)) << "the first button has the focus when the menu shows";
    for (const auto& [key, expected] : walk.steps) {
        PostKey(s.Button(s.FocusedButton()), key);
        EXPECT_TRUE(FocusBecomes(s, expected))
            << "key " << key << " expected " << expected << " got " << s.FocusedButton();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ArrowKeyWalk,
    testing::Values(KeyWalk{1,
                            {{VK_UP, 12},
                             {VK_DOWN, 1},
                             {VK_RIGHT, 7},
                             {VK_RIGHT, 7},
                             {VK_LEFT, 1},
                             {VK_LEFT, 1},
                             {VK_DOWN, 2}}},
                    KeyWalk{9,
                            {{VK_UP, 24},
                             {VK_RIGHT, 24},
                             {VK_LEFT, 16},
                             {VK_LEFT, 8},
                             {VK_LEFT, 8},
                             {VK_DOWN, 9},
                             {VK_RIGHT, 17}}},
                    KeyWalk{5, {{VK_LEFT, 12}, {VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_UP, 1}}},
                    KeyWalk{2, {{VK_LEFT, 1}, {VK_RIGHT, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_UP, 12}}}));

TEST(FunctionKeys, KeyOfAMarkedButtonFocusesAndActivatesIt) {
    MenuSession s;
    std::vector<std::string> lines = {"[VER8.05]", "[MODE1]", "[PAGE1]"};
    lines.push_back(ButtonLine(3, "Three", "\"CMD:<" + s.Probe() + "> pressed-f3\"", "", "", true));
    lines.push_back(ButtonLine(4, "Four", "\"CMD:<" + s.Probe() + "> pressed-f4\"", "", "", false));
    ASSERT_TRUE(s.Start(lines));
    ASSERT_TRUE(FocusBecomes(s, 1));
    PostKey(s.Button(1), VK_F4);  // no key mark: nothing happens
    PostKey(s.Button(1), VK_F3);
    EXPECT_TRUE(s.WaitForRecordWithArg("pressed-f3"));
    EXPECT_TRUE(FocusBecomes(s, 3));
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_EQ(s.CountRecordsWithArg("pressed-f4"), 0u);
    // Enter activates the focused button.
    PostKey(s.Button(3), VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return s.CountRecordsWithArg("pressed-f3") == 2; }));
}

TEST(FunctionKeys, ShiftReachesTheThirdColumnInTheExtendedMode) {
    MenuSession s;
    std::vector<std::string> lines = {"[VER8.05]", "[MODE9]", "[PAGE1]"};
    lines.push_back(ButtonLine(2, "Two", "\"CMD:<" + s.Probe() + "> pressed-f2\"", "", "", true));
    lines.push_back(ButtonLine(14, "Fourteen", "\"CMD:<" + s.Probe() + "> pressed-sf2\"", "", "", true));
    ASSERT_TRUE(s.Start(lines));
    ASSERT_TRUE(FocusBecomes(s, 1));
    ASSERT_TRUE(BringToForeground(s.Menu()));
    ASSERT_TRUE(SendKeyChord({VK_SHIFT, VK_F2}));
    EXPECT_TRUE(s.WaitForRecordWithArg("pressed-sf2"));
    EXPECT_TRUE(FocusBecomes(s, 14));
    EXPECT_EQ(s.CountRecordsWithArg("pressed-f2"), 0u);
}

std::vector<std::string> TwoPages(const MenuSession& s, bool pageKeys) {
    std::vector<std::string> lines = {"[VER8.05]"};
    if (pageKeys) lines.push_back("[PKEY]");
    lines.insert(lines.end(), {"[MODE1]", "[PAGE1]", "PSTR1,\"<" + s.Probe() + "> shown-page1\",0",
                               "VARTITLE,\"First\",,0", ButtonLine(1, "One"), "[PAGE3]",
                               "PSTR1,\"<" + s.Probe() + "> shown-page3\",0", "VARTITLE,\"Third\",,0",
                               ButtonLine(1, "Three")});
    return lines;
}

TEST(PageKeys, MoveBetweenDefinedPagesAndRerunTheirStartPrograms) {
    MenuSession s;
    ASSERT_TRUE(s.Start(TwoPages(s, true)));
    ASSERT_TRUE(s.WaitForRecordWithArg("shown-page1"));
    EXPECT_EQ(WindowText(s.Menu()), "First");
    ASSERT_TRUE(FocusBecomes(s, 1));

    PostKey(s.Button(1), VK_PRIOR);  // Page Up: the next defined page, skipping page 2
    EXPECT_TRUE(WaitUntil([&] { return WindowText(s.Menu()) == "Third"; }));
    EXPECT_TRUE(s.WaitForRecordWithArg("shown-page3"));

    PostKey(s.Button(1), VK_PRIOR);  // wraps from the last defined page to page 1
    EXPECT_TRUE(WaitUntil([&] { return WindowText(s.Menu()) == "First"; }));
    EXPECT_TRUE(WaitUntil([&] { return s.CountRecordsWithArg("shown-page1") == 2; }));

    PostKey(s.Button(1), VK_NEXT);  // Page Down wraps backwards
    EXPECT_TRUE(WaitUntil([&] { return WindowText(s.Menu()) == "Third"; }));
    EXPECT_TRUE(WaitUntil([&] { return s.CountRecordsWithArg("shown-page3") == 2; }));
}

TEST(PageKeys, DoNothingWithoutTheOption) {
    MenuSession s;
    ASSERT_TRUE(s.Start(TwoPages(s, false)));
    ASSERT_TRUE(s.WaitForRecordWithArg("shown-page1"));
    ASSERT_TRUE(FocusBecomes(s, 1));
    PostKey(s.Button(1), VK_PRIOR);
    PostKey(s.Button(1), VK_NEXT);
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_EQ(WindowText(s.Menu()), "First");
    EXPECT_EQ(s.CountRecordsWithArg("shown-page1"), 1u);
    EXPECT_EQ(s.CountRecordsWithArg("shown-page3"), 0u);
}

TEST(PageKeys, OnlyPageIsDrawnAgain) {
    MenuSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[PKEY]", "[MODE1]", "[PAGE1]",
                         "PSTR1,\"<" + s.Probe() + "> only-page\",0", ButtonLine(1, "One")}));
    ASSERT_TRUE(s.WaitForRecordWithArg("only-page"));
    ASSERT_TRUE(FocusBecomes(s, 1));
    PostKey(s.Button(1), VK_PRIOR);
    EXPECT_TRUE(WaitUntil([&] { return s.CountRecordsWithArg("only-page") == 2; }));
}

}  // namespace
}  // namespace torva::e2e

namespace torva::e2e {
namespace {

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

RECT InParent(const MenuSession& s, int n) {
    return FindControlById(s.Menu(), kButtonId + n)->inParent;
}

TEST(Mouse, PressMovesTheButtonAndReleaseOnItActivates) {
    MenuSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE1]", "[PAGE1]",
                         ButtonLine(2, "Two", "\"CMD:<" + s.Probe() + "> clicked-two\"")}));
    HWND button = s.Button(2);
    const RECT rest = InParent(s, 2);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_TRUE(WaitUntil([&] { return InParent(s, 2).left == rest.left + 2; })) << "pressed 2 pixels right";
    EXPECT_EQ(InParent(s, 2).top, rest.top + 2);
    EXPECT_TRUE(WaitUntil([&] { return s.FocusedButton() == 2; })) << "the press takes the focus";
    PostMessageW(button, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_TRUE(WaitUntil([&] { return InParent(s, 2).left == rest.left; })) << "back at rest";
    EXPECT_TRUE(s.WaitForRecordWithArg("clicked-two"));
}

TEST(Mouse, DraggedOffAndReleasedOutsideDoesNothingButBackOnStillClicks) {
    MenuSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE1]", "[PAGE1]",
                         ButtonLine(2, "Two", "\"CMD:<" + s.Probe() + "> dragged-two\"")}));
    HWND button = s.Button(2);
    const RECT rest = InParent(s, 2);
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ASSERT_TRUE(WaitUntil([&] { return InParent(s, 2).left == rest.left + 2; }));
    PostMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(-20, 10));
    EXPECT_TRUE(WaitUntil([&] { return InParent(s, 2).left == rest.left; }))
        << "dragging off releases the look";
    PostMessageW(button, WM_LBUTTONUP, 0, At(-20, 10));
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_EQ(s.CountRecordsWithArg("dragged-two"), 0u);

    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    PostMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(400, 10));
    PostMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(5, 5));
    EXPECT_TRUE(WaitUntil([&] { return InParent(s, 2).left == rest.left + 2; })) << "back on: pressed again";
    PostMessageW(button, WM_LBUTTONUP, 0, At(5, 5));
    EXPECT_TRUE(s.WaitForRecordWithArg("dragged-two"));
}

TEST(Mouse, RightClickStartsNothing) {
    MenuSession s;
    ASSERT_TRUE(s.Start(
        {"[VER8.05]", "[MODE1]", "[PAGE1]", ButtonLine(2, "Two", "\"CMD:<" + s.Probe() + "> right-two\"")}));
    ClickAt(s.Button(2), POINT{10, 10}, true);
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_EQ(s.CountRecordsWithArg("right-two"), 0u);
    ClickAt(s.Button(2), POINT{10, 10});
    EXPECT_TRUE(s.WaitForRecordWithArg("right-two")) << "the next left click works";
}

}  // namespace
}  // namespace torva::e2e
