// A window prepares the icons of a page it does not show yet: the icon provider must be asked for
// exactly what a render of that page asks, or the page shown later would miss its prepared images.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "menuview/win32/page_renderer.h"

namespace torva::menuview::win32 {
namespace {

using Ask = std::tuple<int, int, std::string, bool>;  // page, button, source, small

class RecordingIcons : public SlotIcons {
  public:
    HICON Icon(int page, int button, const std::string& source, bool small) override {
        asked.emplace(page, button, source, small);
        return nullptr;
    }
    std::set<Ask> asked;
};

struct ModeCase {
    int mode;
    int buttons;  // shown in that mode
};

class PrepareIconTest : public ::testing::TestWithParam<ModeCase> {
  protected:
    PrepareIconTest() {
        // Blanks around a source are not part of it; a blank source asks for nothing.
        for (int b = 1; b <= kMaxButtons; ++b)
            def->Page(3).Button(b).icon = "  app" + std::to_string(b) + ".exe|1 ";
        def->Page(3).Button(2).icon = "   ";
        def->Page(3).Button(5).iconBase = 2;
        layout = ComputeLayout(WindowKind::Editor, GetParam().mode, 1024, 768, false);
        options.kind = WindowKind::Editor;
        options.mode = GetParam().mode;
        options.screenWidth = 1024;
        options.screenHeight = 768;
        const SIZE client = ClientSizeOf(layout, 1024, 768);
        options.clientWidth = client.cx;
        options.clientHeight = client.cy;
        // The window's own rules name the file: the base counts.
        options.resolvePath = [](std::string_view text, int base) {
            return "C:\\base" + std::to_string(base) + "\\" + std::string(text);
        };
    }

    std::unique_ptr<definition::MenuDefinition> def = std::make_unique<definition::MenuDefinition>();
    MenuLayout layout;
    ViewOptions options;
};

TEST_P(PrepareIconTest, AsksForWhatARenderOfThePageAsks) {
    RecordingIcons rendered;
    PageRenderer(rendered).Render(*def, 3, layout, options);
    RecordingIcons prepared;
    PageRenderer renderer(prepared);
    for (int b = 0; b <= kMaxButtons + 1; ++b) renderer.PrepareIcon(*def, 3, b, layout, options);
    EXPECT_EQ(prepared.asked, rendered.asked);
    EXPECT_EQ(rendered.asked.size(), static_cast<std::size_t>(GetParam().buttons - 1));
    EXPECT_TRUE(rendered.asked.contains(Ask{3, 5, "C:\\base2\\app5.exe|1", GetParam().mode == 6}));
}

TEST_P(PrepareIconTest, PagesOutsideTheMenuAskForNothing) {
    RecordingIcons prepared;
    PageRenderer renderer(prepared);
    for (const int page : {0, definition::kPageCount + 1})
        renderer.PrepareIcon(*def, page, 1, layout, options);
    EXPECT_TRUE(prepared.asked.empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, PrepareIconTest,
                         ::testing::Values(ModeCase{1, 12}, ModeCase{6, 12}, ModeCase{9, 24}));

}  // namespace
}  // namespace torva::menuview::win32
