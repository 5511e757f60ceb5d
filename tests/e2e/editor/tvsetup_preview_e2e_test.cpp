// The editor's preview of a page against the running menu: within every slot and inside the border
// of every title the pixels are the menu's own, in the standard, icon and extended modes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/e2e/harness/menu_session.h"
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
        MenuSession runtime;
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

// Two pages that differ everywhere: background colour and picture, titles, captions and colours.
std::vector<std::string> PageLines(int page, int as, const std::string& word, const std::string& back) {
    std::vector<std::string> lines = {"[PAGE" + std::to_string(as) + "]",
                                      "VARTITLE,\"" + word + "\"," + back + ",0",
                                      "TITLE1,\"" + word + " main\",,,,W,B" + std::to_string(page),
                                      "TITLE2,\"" + word + " sub\",,,,R" + std::to_string(page) + ",Y1"};
    const char* backs[] = {"", "R1", "G2", "B3", "Y1", "P2", "W", "O1"};
    for (int i = 1; i <= 24; ++i) {
        lines.push_back("CMD" + std::to_string(i) + ",," + ((i + page) % 3 == 0 ? "ON" : "OFF") + ",\"" +
                        word + std::to_string(i) + "\",,,,," + backs[(i + page) % 8] + ",,,END,,,");
    }
    return lines;
}

std::vector<std::string> TwoPages(bool swapped) {
    std::vector<std::string> lines = {"[VER8.05]", "[NCHK]", "[PKEY]", "[MODE9]"};
    const auto one = PageLines(1, swapped ? 2 : 1, "First", "G1");
    const auto two = PageLines(2, swapped ? 1 : 2, "Second", "B2");
    const auto& front = swapped ? two : one;
    const auto& back = swapped ? one : two;
    lines.insert(lines.end(), front.begin(), front.end());
    lines.insert(lines.end(), back.begin(), back.end());
    return lines;
}

// What the screen shows of every slot, both titles, the page number and its label.
struct Screen {
    std::vector<Capture> parts;
    Capture pageNumber;
    Capture pageLabel;
};

constexpr int kPageLabelId = 1201;

Screen CaptureParts(const TvsetupSession& editor) {
    EXPECT_TRUE(WaitUntilPainted(editor.Window()));
    Screen screen;
    for (int i = 1; i <= 24; ++i) screen.parts.push_back(CaptureWindow(editor.Control(kSlotId + i), true));
    for (int t = 1; t <= 2; ++t) screen.parts.push_back(CaptureWindow(editor.Control(kTitleBarId + t), true));
    screen.pageNumber = CaptureWindow(editor.Control(kPageNumberControlId), true);
    // The label's part that the page number (which lies over its end) leaves uncovered.
    RECT label{};
    RECT number{};
    GetWindowRect(editor.Control(kPageLabelId), &label);
    GetWindowRect(editor.Control(kPageNumberControlId), &number);
    label.right = std::min(label.right, number.left);
    screen.pageLabel = CaptureScreen(label);
    return screen;
}

// A page key draws the new page into the images of the page before and the window paints it whole,
// over its slots and titles: the screen then shows what a start on that page shows, and the page
// number and its label stay the labels' own (the pages' backgrounds differ beneath them).
TEST(PreviewPageSwitch, ShowsEachPageAsAStartOnItDoes) {
    Screen first;
    Screen second;
    Screen firstAgain;
    {
        TvsetupSession editor;
        ASSERT_TRUE(editor.StartOn(TwoPages(false)));
        ASSERT_TRUE(BringToForeground(editor.Window()));
        first = CaptureParts(editor);
        editor.Key(VK_NEXT);
        ASSERT_EQ(editor.PageNumber(), "2");
        second = CaptureParts(editor);
        editor.Key(VK_PRIOR);
        ASSERT_EQ(editor.PageNumber(), "1");
        firstAgain = CaptureParts(editor);
    }
    Screen secondAtStart;
    {
        TvsetupSession editor;
        ASSERT_TRUE(editor.StartOn(TwoPages(true)));
        ASSERT_TRUE(BringToForeground(editor.Window()));
        secondAtStart = CaptureParts(editor);
    }
    for (std::size_t i = 0; i < first.parts.size(); ++i) {
        ASSERT_FALSE(first.parts[i].Empty()) << "part " << i;
        EXPECT_EQ(firstAgain.parts[i].Similarity(first.parts[i]), 1.0) << "part " << i;
        EXPECT_LT(second.parts[i].Similarity(first.parts[i]), 1.0) << "part " << i;
        EXPECT_EQ(second.parts[i].Similarity(secondAtStart.parts[i]), 1.0) << "part " << i;
    }
    ASSERT_FALSE(first.pageNumber.Empty());
    EXPECT_EQ(firstAgain.pageNumber.Similarity(first.pageNumber), 1.0);
    EXPECT_LT(second.pageNumber.Similarity(first.pageNumber), 1.0);
    ASSERT_FALSE(first.pageLabel.Empty());
    EXPECT_EQ(second.pageLabel.Similarity(first.pageLabel), 1.0);
    EXPECT_EQ(firstAgain.pageLabel.Similarity(first.pageLabel), 1.0);
}

// The slots' tips are made when the mouse first comes over the window: the slot under a resting
// mouse shows its comment, and after a page key the new page's.
TEST(PreviewTooltips, ShowTheCommentOfTheSlotUnderTheMouseAndFollowThePage) {
    TvsetupSession editor;
    ASSERT_TRUE(editor.StartOn({"[VER8.05]", "[NCHK]", "[MODE1]", "[PAGE1]", "VARTITLE,\"First\",B1,0",
                                ButtonLine(2, "Two", "\"CMD:\"", "", "", false, "Comment of page one"),
                                "[PAGE2]", "VARTITLE,\"Second\",B1,0",
                                ButtonLine(2, "Deux", "\"CMD:\"", "", "", false, "Comment of page two")}));
    ASSERT_TRUE(BringToForeground(editor.Window()));
    EXPECT_TRUE(TipShowsOver(editor.Window(), editor.Control(kSlotId + 2), "Comment of page one"));

    // Away from the window, a page key, and back on the same slot.
    SendMouseMoveTo(editor.Window(), POINT{-40, -40});
    editor.Key(VK_NEXT);
    ASSERT_EQ(editor.PageNumber(), "2");
    EXPECT_TRUE(TipShowsOver(editor.Window(), editor.Control(kSlotId + 2), "Comment of page two"));
}

}  // namespace
}  // namespace torva::e2e
