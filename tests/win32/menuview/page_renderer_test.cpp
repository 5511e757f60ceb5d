// The page renderer on real GDI: the runtime's and the editor's window drawn from the same page, and
// the composition of frames, selection and pressed look.
#include "menuview/win32/page_renderer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "menuview/button_face.h"
#include "tests/win32/menuview/render_fixture.h"

namespace torva::menuview::win32 {
namespace {

class RendererTest : public ::testing::Test {
  protected:
    RendererTest() {
        def->Page(1).defined = true;
        def->Page(1).barTitle.backColour = 0x000000FFu;  // red
        def->Page(2).defined = true;
        def->Page(2).barTitle.backColour = 0x0000FF00u;  // green
    }

    PageImages Render(WindowKind kind, int mode, int page = 1, bool frame = false, bool common = false) {
        ViewOptions o = ScreenOptions(kind, mode, layout);
        o.outerFrame = frame;
        o.commonBackground = common;
        return renderer.Render(*def, page, layout, o);
    }

    static uint32_t At(const Canvas& c, int x, int y) {
        const auto pixels = c.Pixels();
        return pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(c.width()) +
                         static_cast<std::size_t>(x));
    }

    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    NoIcons icons;
    PageRenderer renderer{icons};
    MenuLayout layout;
};

TEST_F(RendererTest, EditorShowsBothTitlesTheRuntimeOnlyThoseInUse) {
    const PageImages editor = Render(WindowKind::Editor, 1);
    EXPECT_TRUE(editor.titles[0].shown);
    EXPECT_TRUE(editor.titles[1].shown);
    EXPECT_EQ(editor.titles[0].image.width(), 443);
    const PageImages runtime = Render(WindowKind::Runtime, 1);
    EXPECT_FALSE(runtime.titles[0].shown);
    EXPECT_FALSE(runtime.titles[1].shown);
    // The vertical bar: the editor keeps its titles, the runtime carries them as a tooltip.
    def->Page(1).titles[0].text = "Main";
    def->Page(1).titles[1].text = "Sub";
    EXPECT_TRUE(Render(WindowKind::Editor, 7).titles[0].shown);
    const PageImages bar = Render(WindowKind::Runtime, 7);
    EXPECT_FALSE(bar.titles[0].shown);
    EXPECT_EQ(bar.titleTooltip, "Main (Sub)");
}

TEST_F(RendererTest, SemiTransparentPatternIsWhiteInTheMenuAndGreyInTheEditor) {
    def->Page(1).Button(1).backColour = kSemiTransparentColour;
    def->Page(1).Button(2).backColour = kTransparentColour;
    for (const WindowKind kind : {WindowKind::Runtime, WindowKind::Editor}) {
        SCOPED_TRACE(kind == WindowKind::Runtime ? "runtime" : "editor");
        const PageImages page = Render(kind, 1);
        const uint32_t dot = kind == WindowKind::Runtime ? 0xFFFFFFu : 0x808080u;
        const Canvas& half = page.slots[0].face;
        EXPECT_EQ(At(half, 10, 10), dot);
        EXPECT_EQ(At(half, 11, 10), 0xFF0000u) << "the page colour between the dots";
        EXPECT_EQ(At(half, 64, 0), dot) << "the pattern repeats every 64 pixels";
        EXPECT_EQ(At(half, 65, 0), 0xFF0000u);
        const Canvas& clear = page.slots[1].face;
        EXPECT_EQ(At(clear, 10, 10), 0xFF0000u);
        EXPECT_EQ(At(clear, 11, 10), 0xFF0000u);
    }
}

TEST_F(RendererTest, EditorTitleContentSitsInsideItsBorder) {
    auto& title = def->Page(1).titles[0];
    title.backColour = kSemiTransparentColour;
    const PageImages page = Render(WindowKind::Editor, 1);
    const Canvas& image = page.titles[0].image;
    // The pattern starts at the inner corner (1, 1), not at the bar's own corner.
    EXPECT_EQ(At(image, 1, 1), 0x808080u);
    EXPECT_EQ(At(image, 0, 0), 0xFF0000u);
    EXPECT_EQ(At(image, 2, 1), 0xFF0000u);
}

TEST_F(RendererTest, CommonBackgroundShowsPageOnesColourOnEveryPage) {
    EXPECT_EQ(At(Render(WindowKind::Editor, 1, 2).background, 30, 30), 0x00FF00u);
    EXPECT_EQ(At(Render(WindowKind::Editor, 1, 2, false, true).background, 30, 30), 0xFF0000u);
}

TEST_F(RendererTest, WindowFrameAndTheEditorsStripWithoutIt) {
    const uint32_t face = Rgb(GetSysColor(COLOR_BTNFACE));
    const PageImages strip = Render(WindowKind::Editor, 1);
    EXPECT_EQ(At(strip.background, 100, 0), face);
    EXPECT_EQ(At(strip.background, 100, 1), face);
    EXPECT_EQ(At(strip.background, 100, 2), 0xFF0000u);
    const PageImages plain = Render(WindowKind::Runtime, 1);
    EXPECT_EQ(At(plain.background, 100, 0), 0xFF0000u);
    const PageImages framed = Render(WindowKind::Runtime, 1, 1, true);
    EXPECT_EQ(At(framed.background, 100, 0), Rgb(GetSysColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(At(framed.background, 100, 1), 0u);
    EXPECT_EQ(At(framed.background, 100, 2), 0xFF0000u);
}

TEST_F(RendererTest, CaptionsMarkersAndTooltipsFollowTheMode) {
    auto& b = def->Page(1).Button(3);
    b.caption = "Mail";
    b.comment = "Post";
    b.pfKey = true;
    const PageImages standard = Render(WindowKind::Runtime, 1);
    ASSERT_TRUE(standard.slots[2].captionMarker);
    EXPECT_GT(standard.slots[2].captionMarker->width, 0);
    // With the key mark shown the caption sits lower: (H - text height) / 2 + 8.
    EXPECT_EQ(standard.slots[2].captionMarker->top, (34 - standard.slots[2].captionMarker->height) / 2 + 8);
    EXPECT_EQ(standard.slots[2].tooltip, "Post");
    EXPECT_FALSE(standard.slots[0].captionMarker) << "an empty caption has no marker";
    const PageImages icons = Render(WindowKind::Editor, 5);
    EXPECT_FALSE(icons.slots[2].captionMarker);
    EXPECT_EQ(icons.slots[2].tooltip, "F3 : Mail・Post");
}

TEST_F(RendererTest, FlattenPressesInAndFramesTheSelection) {
    def->Page(1).Button(1).backColour = 0x00FFFFFFu;  // white
    const PageImages page = Render(WindowKind::Runtime, 1);
    const PixelRect b = layout.buttons[0];
    PageLook rest;
    const Canvas resting = Flatten(page, layout, rest);
    EXPECT_EQ(At(resting, b.left, b.top), Rgb(GetSysColor(COLOR_BTNHIGHLIGHT))) << "the light top-left edge";
    EXPECT_EQ(At(resting, b.left - 1, b.top - 1), 0u) << "the raised frame";
    EXPECT_EQ(At(resting, b.left - 2, b.top - 2), 0xFF0000u) << "no selection";
    PageLook pressed;
    pressed.selectedButton = 1;
    pressed.pressed[0] = true;
    const Canvas down = Flatten(page, layout, pressed);
    EXPECT_EQ(At(down, b.left, b.top), Rgb(GetSysColor(COLOR_BTNSHADOW))) << "the edge it moved away from";
    EXPECT_EQ(At(down, b.left + 2, b.top + 2), 0xFFFFFFu) << "the face moved 2 pixels, its light edge hidden";
    EXPECT_EQ(At(down, b.left - 2, b.top - 2), 0u) << "the selection outline";

    const PageImages editor = Render(WindowKind::Editor, 1);
    PageLook title;
    title.selectedTitle = 1;
    const Canvas selected = Flatten(editor, layout, title);
    const PixelRect t = layout.titles[0];
    EXPECT_EQ(At(selected, t.left - 1, t.top + 5), 0u);
    EXPECT_EQ(At(selected, t.right(), t.top + 5), 0u);
}

}  // namespace
}  // namespace torva::menuview::win32
