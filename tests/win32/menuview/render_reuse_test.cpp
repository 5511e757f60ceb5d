// Rendering into the images of an earlier render (what the windows do on every page change) gives
// exactly what a render into new images gives: the kept background, the reused fonts and the drawn-over
// images leave nothing of the page before.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "menuview/button_face.h"
#include "menuview/win32/page_renderer.h"
#include "tests/e2e/harness/test_support.h"
#include "tests/win32/menuview/render_fixture.h"

namespace torva::menuview::win32 {
namespace {

// A 24-bit bottom-up bitmap file of one colour.
std::string BitmapFile(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    const int row = (width * 3 + 3) & ~3;
    const uint32_t size = 54 + static_cast<uint32_t>(row * height);
    std::string out;
    const auto put = [&out](uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    out += "BM";
    put(size, 4), put(0, 4), put(54, 4);
    put(40, 4), put(static_cast<uint32_t>(width), 4), put(static_cast<uint32_t>(height), 4), put(1, 2),
        put(24, 2);
    put(0, 4), put(static_cast<uint32_t>(row * height), 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) put(b, 1), put(g, 1), put(r, 1);
        for (int pad = width * 3; pad < row; ++pad) put(0, 1);
    }
    return out;
}

class RenderReuseTest : public ::testing::Test {
  protected:
    RenderReuseTest() {
        picture = folder.File("TILE.BMP");
        EXPECT_TRUE(e2e::WriteBytes(picture, BitmapFile(40, 30, 0, 0, 255)));
        def->options.outerFrame = true;
        // Page 1: a tiled picture, titles, transparent and semi-transparent buttons, two fonts.
        definition::MenuPage& one = def->Page(1);
        one.defined = true;
        one.barTitle.backColour = 0x000000FFu;
        one.barTitle.picture = picture;
        one.titles[0].text = "Main";
        one.titles[0].backColour = kTransparentColour;
        one.titles[1].text = "Sub";
        one.titles[1].backColour = 0x00FFFF00u;
        one.Button(1).caption = "Clear";
        one.Button(1).backColour = kTransparentColour;
        one.Button(2).caption = "Half";
        one.Button(2).backColour = kSemiTransparentColour;
        one.Button(2).pfKey = true;
        one.Button(3).caption = "Bold";
        one.Button(3).fontStyle = "Bold";
        one.Button(3).fontSize = 14;
        one.Button(3).comment = "Tip";
        // Page 2: a plain colour, no titles, other captions.
        definition::MenuPage& two = def->Page(2);
        two.defined = true;
        two.barTitle.backColour = 0x0000FF00u;
        two.Button(1).caption = "Other";
        two.Button(4).caption = "Italic";
        two.Button(4).fontStyle = "Italic";
        two.Button(4).backColour = kTransparentColour;
        // Page 3: page 1's picture and colour, other buttons: its background may be kept.
        definition::MenuPage& three = def->Page(3);
        three.defined = true;
        three.barTitle = one.barTitle;
        three.Button(5).caption = "Five";
        three.Button(5).backColour = kTransparentColour;
    }

    ViewOptions Options(int mode) {
        ViewOptions o = ScreenOptions(WindowKind::Runtime, mode, layout);
        o.outerFrame = def->options.outerFrame;
        return o;
    }

    void ExpectSame(const PageImages& reused, const PageImages& fresh) {
        EXPECT_EQ(reused.caption, fresh.caption);
        EXPECT_EQ(reused.titleTooltip, fresh.titleTooltip);
        EXPECT_EQ(reused.background.Pixels(), fresh.background.Pixels()) << "background";
        for (std::size_t t = 0; t < 2; ++t) {
            ASSERT_EQ(reused.titles[t].shown, fresh.titles[t].shown) << "title " << t + 1;
            if (fresh.titles[t].shown) {
                EXPECT_EQ(reused.titles[t].image.Pixels(), fresh.titles[t].image.Pixels())
                    << "title " << t + 1;
            }
        }
        for (int n = 1; n <= layout.buttonCount; ++n) {
            const auto i = static_cast<std::size_t>(n - 1);
            EXPECT_EQ(reused.slots[i].face.Pixels(), fresh.slots[i].face.Pixels()) << "button " << n;
            EXPECT_EQ(reused.slots[i].captionMarker, fresh.slots[i].captionMarker) << "button " << n;
            EXPECT_EQ(reused.slots[i].tooltip, fresh.slots[i].tooltip) << "button " << n;
        }
    }

    e2e::TempFolder folder{"tvreuse"};
    std::string picture;
    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    NoIcons icons;
    MenuLayout layout;
};

TEST_F(RenderReuseTest, EveryPageInTurnMatchesAFreshRender) {
    for (const int mode : {1, 5, 7, 9}) {
        SCOPED_TRACE(testing::Message() << "mode " << mode);
        const ViewOptions options = Options(mode);
        PageRenderer reusing{icons};
        PageImages shown;
        for (const int page : {1, 2, 1, 1, 3, 1, 2, 2}) {
            SCOPED_TRACE(testing::Message() << "page " << page);
            reusing.Render(*def, page, layout, options, shown);
            PageRenderer fresh{icons};
            ExpectSame(shown, fresh.Render(*def, page, layout, options));
        }
    }
}

TEST_F(RenderReuseTest, AChangedPictureFileIsDrawnAgain) {
    const ViewOptions options = Options(1);
    PageRenderer renderer{icons};
    PageImages shown;
    renderer.Render(*def, 1, layout, options, shown);
    const auto before = shown.background.Pixels();
    // Another size, so that the file's size tells the change whatever the clock's resolution.
    ASSERT_TRUE(e2e::WriteBytes(picture, BitmapFile(20, 20, 255, 255, 255)));
    renderer.Render(*def, 1, layout, options, shown);
    EXPECT_NE(shown.background.Pixels(), before);
    PageRenderer fresh{icons};
    ExpectSame(shown, fresh.Render(*def, 1, layout, options));
}

TEST_F(RenderReuseTest, AFrameUnderATransparentButtonIsDrawnAfterItEveryTime) {
    def->Page(1).barTitle.picture.clear();
    const ViewOptions options = Options(1);
    // A layout whose first button covers the window frame's corner.
    layout.buttons[0] = PixelRect{0, 0, 60, 30};
    PageRenderer renderer{icons};
    PageImages shown;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        renderer.Render(*def, 1, layout, options, shown);
        const auto face = shown.slots[0].face.Pixels();
        const auto background = shown.background.Pixels();
        EXPECT_EQ(face.at(0), 0xFF0000u) << "the button shows the page, not the frame over it";
        EXPECT_EQ(background.at(0), Rgb(GetSysColor(COLOR_BTNSHADOW))) << "the frame is on the page";
    }
}

}  // namespace
}  // namespace torva::menuview::win32
