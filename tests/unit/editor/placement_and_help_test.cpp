#include <gtest/gtest.h>

#include "editor/help_topics.h"
#include "editor/window_placement.h"

namespace torva::editor {
namespace {

TEST(EditorPlacement, EachModeHasItsPlace) {
    // A 1024 x 768 screen in twips and the mode's window.
    constexpr int W = 15360;
    constexpr int H = 11520;
    EXPECT_EQ(EditorWindowPosition(1, W, H, 9075, 6555), (TwipsPoint{3142, 2482}));
    EXPECT_EQ(EditorWindowPosition(8, W, H, 13830, 10500), (TwipsPoint{765, 510}));
    EXPECT_EQ(EditorWindowPosition(9, W, H, 9075, 6555), (TwipsPoint{3142, 2482}));
    for (const int mode : {2, 5, 6, 7}) {
        EXPECT_EQ(EditorWindowPosition(mode, W, H, 4575, 8700), (TwipsPoint{W - 4575, 0})) << mode;
    }
    EXPECT_EQ(EditorWindowPosition(3, W, H, 4575, 8700), (TwipsPoint{0, 0}));
    EXPECT_EQ(EditorWindowPosition(4, W, H, 0, 0), std::nullopt);
    // Halves round toward zero, as integer division does.
    EXPECT_EQ(EditorWindowPosition(1, 101, 11, 0, 0), (TwipsPoint{50, 5}));
}

TEST(EditorHelp, ContextNumbersOpenTheirPages) {
    EXPECT_EQ(HelpPagePath("C:\\Torva", 0), "C:\\Torva\\TvsetupHelp\\index.html");
    EXPECT_EQ(HelpPage(kHelpButtonDialog), "button.html");
    EXPECT_EQ(HelpPage(kHelpStartEndPrograms), "startend.html");
    EXPECT_EQ(HelpPage(kHelpTimedStarts), "timed.html");
    EXPECT_EQ(HelpPage(kHelpPageStartPrograms), "pagestart.html");
    EXPECT_EQ(HelpPage(7), "index.html");
    EXPECT_EQ(HelpPagePath("C:\\", 6), "C:\\TvsetupHelp\\button.html");
}

}  // namespace
}  // namespace torva::editor
