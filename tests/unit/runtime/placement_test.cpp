#include "runtime/placement.h"

#include <gtest/gtest.h>

namespace torva::runtime {
namespace {

PlacementInput Input(int mode) {
    PlacementInput in;
    in.mode = mode;
    in.screenWidthTwips = 19200;  // 1280 x 1024 pixels
    in.screenHeightTwips = 15360;
    in.windowWidthTwips = 4575;
    in.windowHeightTwips = 8581;
    return in;
}

TEST(Placement, EachModeHasItsPlace) {
    struct Row {
        int mode;
        TwipsPoint at;
    };
    // Centring uses whole twips: (15360 - 8581) / 2 = 3389.
    for (const Row r : {Row{1, {7312, 3389}}, Row{8, {7312, 3389}}, Row{9, {7312, 3389}}, Row{2, {14625, 0}},
                        Row{5, {14625, 0}}, Row{6, {14625, 0}}, Row{7, {14625, 0}}, Row{3, {0, 0}}}) {
        SCOPED_TRACE(r.mode);
        const auto p = PlaceWindow(Input(r.mode));
        ASSERT_TRUE(p.has_value());
        EXPECT_EQ(*p, r.at);
    }
}

TEST(Placement, FullScreenIsNeverMoved) {
    auto in = Input(4);
    EXPECT_FALSE(PlaceWindow(in).has_value());
    in.positionSave = true;
    in.savedLeft = 100;
    in.savedTop = 200;
    EXPECT_FALSE(PlaceWindow(in).has_value());
}

TEST(Placement, SavedPositionWinsOnlyWithTheOption) {
    auto in = Input(2);
    in.savedLeft = 300;
    in.savedTop = 450;
    EXPECT_EQ(*PlaceWindow(in), (TwipsPoint{14625, 0}));
    in.positionSave = true;
    EXPECT_EQ(*PlaceWindow(in), (TwipsPoint{300, 450}));
    in.savedLeft = -1;  // nothing saved yet
    EXPECT_EQ(*PlaceWindow(in), (TwipsPoint{14625, 0}));
}

TEST(Placement, SavedPositionOffTheScreenIsNotUsed) {
    auto in = Input(1);
    in.positionSave = true;
    for (const TwipsPoint saved :
         {TwipsPoint{19200, 0}, TwipsPoint{0, 15360}, TwipsPoint{-4575, 0}, TwipsPoint{-30000, -30000}}) {
        in.savedLeft = saved.left;
        in.savedTop = saved.top;
        EXPECT_EQ(*PlaceWindow(in), (TwipsPoint{7312, 3389})) << saved.left << "," << saved.top;
    }
    // Partly visible is still the user's choice.
    in.savedLeft = -4000;
    in.savedTop = 15000;
    EXPECT_EQ(*PlaceWindow(in), (TwipsPoint{-4000, 15000}));
}

TEST(Placement, PositionIsSavedOnlyInNormalState) {
    EXPECT_TRUE(ShouldSavePosition(true, true));
    EXPECT_FALSE(ShouldSavePosition(true, false));
    EXPECT_FALSE(ShouldSavePosition(false, true));
}

}  // namespace
}  // namespace torva::runtime
