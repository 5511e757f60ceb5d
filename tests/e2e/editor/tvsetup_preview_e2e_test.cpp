// The editor's preview of a page against the running menu: within every slot and inside the border
// of every title the pixels are the menu's own, in the standard, icon and extended modes.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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
    std::vector<Capture> titles;
    int focused = 0;
};

// The editor's title bars carry a one-pixel border (and the selection on it); the menu's bars of the
// same size hold the same content at the same place inside that border.
constexpr int kTitleBorder = 1;

Capture Inside(const Capture& c, int inset) {
    const int width = c.Width() - 2 * inset;
    const int height = c.Height() - 2 * inset;
    if (width <= 0 || height <= 0) return {};
    std::vector<uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(c.At(x + inset, y + inset));
    }
    return Capture(width, height, std::move(pixels));
}

std::vector<Capture> CaptureTitles(HWND window, int firstId) {
    std::vector<Capture> titles;
    for (int t = 1; t <= 2; ++t) {
        const auto control = FindControlById(window, firstId + t);
        titles.push_back(control ? CaptureWindow(control->hwnd, true) : Capture());
    }
    return titles;
}

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
        menu.titles = CaptureTitles(runtime.Menu(), kTitleId);
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

    // With a slot selected no title carries the selection.
    editor.Key(VK_DOWN);
    editor.Key(VK_DOWN);
    ASSERT_EQ(editor.Selected(), 1);
    ASSERT_TRUE(WaitUntilPainted(editor.Window()));
    const std::vector<Capture> titles = CaptureTitles(editor.Window(), kTitleBarId);
    for (std::size_t t = 0; t < titles.size(); ++t) {
        const Capture& a = menu.titles[t];
        const Capture& b = titles[t];
        ASSERT_FALSE(a.Empty()) << "title " << t + 1;
        ASSERT_EQ(a.Width(), b.Width()) << "title " << t + 1;
        ASSERT_EQ(a.Height(), b.Height()) << "title " << t + 1;
        EXPECT_EQ(Inside(a, kTitleBorder).Similarity(Inside(b, kTitleBorder)), 1.0)
            << "mode " << mode << " title " << t + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PreviewMatchesTheMenu, ::testing::Values(1, 5, 9));

}  // namespace
}  // namespace torva::e2e
