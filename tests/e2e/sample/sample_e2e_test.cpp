// SMPTVS.exe driven for real: its window, and the exit codes its two buttons leave.
#include <gtest/gtest.h>

#include "tests/e2e/harness/harness.h"

namespace torva::e2e {
namespace {

constexpr char kCaption[] = "Sample for Tvscript Running";

struct Sample {
    Process process = Process::Start(ProgramPath("SMPTVS.exe"));
    HWND window = nullptr;
    Sample() {
        if (!process.Valid()) return;
        if (const auto w = WaitForWindow(WindowQuery().OfProcess(process.Id()).WithCaption(kCaption)))
            window = *w;
    }
};

TEST(Smptvs, ShowsItsButtonsAndNote) {
    Sample s;
    ASSERT_NE(s.window, nullptr);
    const auto normal = FindControl(s.window, "Button", std::string("正常終了"));
    const auto abnormal = FindControl(s.window, "Button", std::string("異常終了"));
    ASSERT_TRUE(normal && abnormal);
    EXPECT_TRUE(normal->visible && normal->enabled && abnormal->visible && abnormal->enabled);
    EXPECT_LT(normal->inParent.left, abnormal->inParent.left);
    const auto note = FindControl(s.window, "Static");
    ASSERT_TRUE(note.has_value());
    EXPECT_NE(note->text.find("異常終了"), std::string::npos);
    EXPECT_NE(note->text.find("開発環境"), std::string::npos);
    // Everything lies inside the client area.
    const RECT client = ClientRectOnScreen(s.window);
    for (const auto& c : ListControls(s.window)) {
        EXPECT_GE(c.inParent.left, 0);
        EXPECT_LE(c.inParent.right, Width(client)) << c.text;
        EXPECT_LE(c.inParent.bottom, Height(client)) << c.text;
    }
}

struct EndCase {
    const char* button;  // caption of the button pressed; empty: the window is closed
    DWORD exitCode;
};

class SmptvsEnd : public testing::TestWithParam<EndCase> {};

TEST_P(SmptvsEnd, LeavesTheExitCodeOfTheChosenEnd) {
    Sample s;
    ASSERT_NE(s.window, nullptr);
    if (*GetParam().button) {
        const auto button = FindControl(s.window, "Button", std::string(GetParam().button));
        ASSERT_TRUE(button.has_value());
        ClickButton(button->hwnd);
    } else {
        PostMessageW(s.window, WM_CLOSE, 0, 0);
    }
    EXPECT_EQ(s.process.WaitForExit(), std::optional<DWORD>(GetParam().exitCode));
}

INSTANTIATE_TEST_SUITE_P(Ends, SmptvsEnd,
                         testing::Values(EndCase{"正常終了", 0}, EndCase{"異常終了", 9}, EndCase{"", 0}));

TEST(Smptvs, KeyboardReachesTheButtons) {
    Sample s;
    ASSERT_NE(s.window, nullptr);
    const auto abnormal = FindControl(s.window, "Button", std::string("異常終了"));
    ASSERT_TRUE(abnormal.has_value());
    // Space pressed and released on a push button presses it, as a keyboard user would.
    PostKey(abnormal->hwnd, VK_SPACE);
    EXPECT_EQ(s.process.WaitForExit(), std::optional<DWORD>(9));
}

}  // namespace
}  // namespace torva::e2e
