// The editor's preview of a page against the running menu: within every slot the pixels are the
// menu's own, in the standard, icon and extended modes.

#include <gtest/gtest.h>

#include "tests/e2e/runtime/runtime_session.h"
#include "tvsetup_session.h"

namespace torva::e2e {
namespace {

std::vector<std::string> Definition(int mode) {
    std::vector<std::string> lines = {"[VER8.05]",
                                      "[NCHK]",
                                      "[MODE" + std::to_string(mode) + "]",
                                      "[PAGE1]",
                                      "VARTITLE,\"Preview\",T1,0",
                                      "TITLE1,\"見出し\",ＭＳ 明朝,Bold,16,W,B2",
                                      "TITLE2,\"Sub\",,,,R4,Y1"};
    const char* backs[] = {"", "R1", "G2", "B3", "Y1", "P2", "W", "O1"};
    const int count = mode == 9 ? 24 : 12;
    for (int i = 1; i <= count; ++i) {
        lines.push_back("CMD" + std::to_string(i) + ",," + (i % 4 == 0 ? "ON" : "OFF") + ",\"ボタン" +
                        std::to_string(i) + "\",ＭＳ 明朝,Regular,10,," + backs[i % 8] + ",,,END,,,");
    }
    return lines;
}

struct Shot {
    std::vector<Capture> slots;
    int focused = 0;
};

Shot CaptureSlots(HWND window, int count, int focused) {
    Shot shot;
    shot.focused = focused;
    for (int i = 1; i <= count; ++i) {
        const auto control = FindControlById(window, kSlotId + i);
        shot.slots.push_back(control ? CaptureWindow(control->hwnd, true) : Capture());
    }
    return shot;
}

class PreviewMatchesTheMenu : public ::testing::TestWithParam<int> {};

TEST_P(PreviewMatchesTheMenu, InEverySlot) {
    const int mode = GetParam();
    const int count = mode == 9 ? 24 : 12;
    Shot menu;
    {
        RuntimeSession runtime;
        ASSERT_TRUE(runtime.Start(Definition(mode)));
        Sleep(0);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(runtime.Button(1)); }));
        menu = CaptureSlots(runtime.Menu(), count, runtime.FocusedButton());
    }
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfClass("TORVAFM")));
    TvsetupSession editor(true);
    ASSERT_TRUE(editor.WriteDefinition(Definition(mode)));
    ASSERT_TRUE(editor.Start("\"" + editor.DefinitionPath() + "\""));
    ASSERT_EQ(editor.Selected(), mode == 7 ? 1 : 91);
    const Shot preview = CaptureSlots(editor.Window(), count, 0);
    for (int i = 1; i <= count; ++i) {
        // The menu's focused button carries its caption's focus rectangle; the editor's selection is
        // the main title.
        if (i == menu.focused) continue;
        const Capture& a = menu.slots[static_cast<std::size_t>(i - 1)];
        const Capture& b = preview.slots[static_cast<std::size_t>(i - 1)];
        ASSERT_FALSE(a.Empty()) << "slot " << i;
        ASSERT_EQ(a.Width(), b.Width()) << "slot " << i;
        ASSERT_EQ(a.Height(), b.Height()) << "slot " << i;
        EXPECT_EQ(a.Similarity(b), 1.0) << "mode " << mode << " slot " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PreviewMatchesTheMenu, ::testing::Values(1, 5, 9));

}  // namespace
}  // namespace torva::e2e
