// Tvtool render against the running menu: a page drawn off-screen has the same pixels as the page on
// the screen, and transparent and semi-transparent buttons over a tiled picture come out exactly.
#include <gtest/gtest.h>

#include <sstream>

#include "menuview/menu_layout.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

// A bitmap, left half one colour and right half another, so that tiles can be told apart.
bool WriteHalvesBmp(const std::string& path, int size, COLORREF left, COLORREF right) {
    const uint32_t leftRgb = Capture::FromColorRef(left);
    const uint32_t rightRgb = Capture::FromColorRef(right);
    return Capture::Filled(size, size, [&](int x, int) { return x < size / 2 ? leftRgb : rightRgb; })
        .SavePictureBmp(path);
}

// Tvtool.exe render for page 1 of the session's menu into the session's folder; the exit code.
std::optional<DWORD> RenderPageOne(const MenuSession& s, const std::string& extra = "") {
    const std::string args = "render --page 1 " + extra + " --program-folder \"" + s.Folder().Path() +
                             "\" --out \"" + s.Folder().File("shots") + "\" \"" + s.DefinitionPath() + "\"";
    Process tool = Process::Start(ProgramPath("Tvtool.exe"), StartOptions().Args(args));
    if (!tool.Valid()) return std::nullopt;
    return tool.WaitForExit(Millis(60000));
}

// Pixels of the rectangle that differ between the two images; the first one described in where.
int Differences(const Capture& a, const Capture& b, const menuview::PixelRect& r,
                std::string* where = nullptr) {
    int count = 0;
    for (int y = r.top; y < r.bottom(); ++y) {
        for (int x = r.left; x < r.right(); ++x) {
            if (a.At(x, y) == b.At(x, y)) continue;
            if (count++ == 0 && where) {
                std::ostringstream text;
                text << "first at (" << x << ", " << y << "): " << std::hex << a.At(x, y) << " against "
                     << b.At(x, y);
                *where = text.str();
            }
        }
    }
    return count;
}

class RenderMatchesTheMenu : public testing::TestWithParam<int> {};

TEST_P(RenderMatchesTheMenu, WithinEveryButtonAndTitle) {
    const int mode = GetParam();
    MenuSession s;
    ASSERT_TRUE(WriteHalvesBmp(s.Folder().File("TILE.BMP"), 16, RGB(40, 90, 200), RGB(230, 200, 60)));
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE" + std::to_string(mode) + "]", "[PAGE1]",
                         "VARTITLE,\"Render\",\"PIC:TILE.BMP\",0", "TITLE1,\"Main title\",,BOLD,,W,B",
                         "TITLE2,\"Sub title\",,,,,X",
                         ButtonLine(1, "Notes", "\"CMD:\"", "", "shell32.dll|3", true, "A comment"),
                         ButtonLine(2, "Red", "\"CMD:\"", "R"), ButtonLine(3, "", "\"CMD:\"", "X"),
                         ButtonLine(4, "Half", "\"CMD:\"", "H", "", true),
                         ButtonLine(7, "Seven", "\"CMD:\"", "G1"), ButtonLine(12, "Last")}));
    ASSERT_EQ(RenderPageOne(s), std::optional<DWORD>(0));
    const Capture rendered = LoadPng(s.Folder().File("shots\\1.png"));
    ASSERT_FALSE(rendered.Empty());

    const menuview::MenuLayout layout =
        menuview::ComputeLayout(mode, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), false);
    std::vector<menuview::PixelRect> areas;
    for (int n = 0; n < layout.buttonCount; ++n) areas.push_back(layout.buttons[static_cast<std::size_t>(n)]);
    if (layout.titleBars) {
        for (const auto& t : layout.titles) areas.push_back(t);
    }
    // The render is the page, not a blank: the red button is red.
    const menuview::PixelRect& red = layout.buttons[1];
    EXPECT_GT(rendered.Count(0xFF0000, RECT{red.left, red.top, red.right(), red.bottom()}),
              static_cast<std::size_t>(red.width * red.height / 2));
    // The menu opens with the first button focused, as the render draws it.
    ASSERT_TRUE(WaitUntil([&] { return s.FocusedButton() == 1; }, Millis(5000)));
    SetForegroundWindow(s.Menu());
    Capture shown;
    const bool same = WaitUntil(
        [&] {
            shown = CaptureWindow(s.Menu(), true);
            for (const auto& r : areas) {
                if (Differences(shown, rendered, r) != 0) return false;
            }
            return true;
        },
        Millis(10000));
    if (!same) {
        for (std::size_t i = 0; i < areas.size(); ++i) {
            std::string where;
            EXPECT_EQ(Differences(shown, rendered, areas[i], &where), 0)
                << (i < static_cast<std::size_t>(layout.buttonCount) ? "button " + std::to_string(i + 1)
                                                                     : "title " + std::to_string(i - 11))
                << ": " << where;
        }
        shown.SaveBmp(s.Folder().File("shown.bmp"));
    }
    ASSERT_FALSE(shown.Empty());
    EXPECT_TRUE(same);
}

INSTANTIATE_TEST_SUITE_P(Modes, RenderMatchesTheMenu, testing::Values(1, 6));

TEST(Render, TransparentAndSemiTransparentButtonsOverATiledPicture) {
    MenuSession s;
    const COLORREF left = RGB(40, 90, 200);
    const COLORREF right = RGB(230, 200, 60);
    ASSERT_TRUE(WriteHalvesBmp(s.Folder().File("TILE.BMP"), 16, left, right));
    ASSERT_TRUE(s.WriteDefinition({"[VER8.05]", "[MODE1]", "[PAGE1]", "VARTITLE,\"Tiles\",\"PIC:TILE.BMP\",0",
                                   ButtonLine(3, "", "\"CMD:\"", "X"), ButtonLine(4, "", "\"CMD:\"", "H")}));
    ASSERT_EQ(RenderPageOne(s), std::optional<DWORD>(0));
    const Capture page = LoadPng(s.Folder().File("shots\\1.png"));
    ASSERT_FALSE(page.Empty());
    const menuview::MenuLayout layout = menuview::ComputeLayout(1, 1024, 768, false);
    EXPECT_EQ(page.Width(), 597);
    EXPECT_EQ(page.Height(), 383);
    auto tile = [&](int x, int y) {
        (void)y;
        return Capture::FromColorRef(x % 16 < 8 ? left : right);
    };
    // Between the buttons the picture is tiled from the top-left corner.
    EXPECT_EQ(page.At(3, 3), tile(3, 3));
    EXPECT_EQ(page.At(12, 40), tile(12, 40));
    EXPECT_EQ(page.At(590, 370), tile(590, 370));

    // Inside the light left and top edges: the transparent button shows exactly the picture beneath.
    const menuview::PixelRect clear = layout.buttons[2];
    int clearWrong = 0;
    for (int y = 1; y < clear.height; ++y) {
        for (int x = 1; x < clear.width; ++x) {
            clearWrong += page.At(clear.left + x, clear.top + y) != tile(clear.left + x, clear.top + y);
        }
    }
    EXPECT_EQ(clearWrong, 0);

    // The semi-transparent one: every other pixel white in a checkerboard, the rest the picture.
    const menuview::PixelRect half = layout.buttons[3];
    int halfWrong = 0;
    for (int y = 1; y < half.height; ++y) {
        for (int x = 1; x < half.width; ++x) {
            const uint32_t expected = (x - y) % 2 == 0 ? 0xFFFFFFu : tile(half.left + x, half.top + y);
            halfWrong += page.At(half.left + x, half.top + y) != expected;
        }
    }
    EXPECT_EQ(halfWrong, 0);
}

}  // namespace
}  // namespace torva::e2e
