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

// Two 1280 x 1024 monitors side by side, and a third above-left of the primary, in twips.
std::vector<TwipsRect> ThreeMonitors() {
    return {TwipsRect{0, 0, 19200, 15360}, TwipsRect{19200, 0, 38400, 15360},
            TwipsRect{-19200, -15360, 0, 0}};
}

TEST(Placement, SavedPositionOnAnyAttachedMonitorIsRestored) {
    auto in = Input(1);
    in.positionSave = true;
    in.monitors = ThreeMonitors();
    struct Row {
        TwipsPoint saved;
        TwipsPoint placed;
    };
    for (const Row& r : {Row{{24000, 3000}, {24000, 3000}},      // on the second monitor
                         Row{{-10000, -9000}, {-10000, -9000}},  // on the one above-left
                         Row{{38000, 15000}, {38000, 15000}},    // a corner still on the second
                         Row{{38400, 0}, {7312, 3389}},          // right of every monitor
                         Row{{0, 15360}, {7312, 3389}},          // below every monitor
                         Row{{-19200 - 4575, 0}, {7312, 3389}},  // left of every monitor
                         Row{{-4575, 2000}, {7312, 3389}},       // in the gap, touching the primary
                         Row{{-4000, 2000}, {-4000, 2000}}}) {   // partly on the primary
        SCOPED_TRACE(std::to_string(r.saved.left) + "," + std::to_string(r.saved.top));
        in.savedLeft = r.saved.left;
        in.savedTop = r.saved.top;
        EXPECT_EQ(*PlaceWindow(in), r.placed);
    }
}

TEST(Placement, SavedPositionOnADetachedMonitorFallsBack) {
    auto in = Input(2);
    in.positionSave = true;
    in.savedLeft = 24000;
    in.savedTop = 3000;
    in.monitors = {TwipsRect{0, 0, 19200, 15360}};  // the second monitor is gone
    EXPECT_EQ(*PlaceWindow(in), (TwipsPoint{14625, 0}));
}

TEST(Placement, PositionIsSavedOnlyInNormalState) {
    EXPECT_TRUE(ShouldSavePosition(true, true));
    EXPECT_FALSE(ShouldSavePosition(true, false));
    EXPECT_FALSE(ShouldSavePosition(false, true));
}

}  // namespace
}  // namespace torva::runtime
