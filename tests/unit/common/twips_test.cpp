// Control and window geometry from twips at the screen's resolution.
#include "common/twips.h"

#include <gtest/gtest.h>

namespace torva {
namespace {

struct RectCase {
    TwipsRect twips;
    int dpi;
    PixelRect pixels;
};

class TwipsRectToPixels : public testing::TestWithParam<RectCase> {};

TEST_P(TwipsRectToPixels, EachEdgeRoundsOnItsOwn) {
    EXPECT_EQ(ToPixels(GetParam().twips, GetParam().dpi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Screens, TwipsRectToPixels,
                         testing::Values(
                             // 15 twips a pixel at 96 dpi: the password dialog's entry and its buttons.
                             RectCase{{60, 540, 3975, 375}, 96, {4, 36, 265, 25}},
                             RectCase{{4140, 60, 1215, 375}, 96, {276, 4, 81, 25}},
                             // 12 twips a pixel at 120 dpi; 10 at 144.
                             RectCase{{60, 540, 3975, 375}, 120, {5, 45, 331, 31}},
                             RectCase{{2340, 1500, 975, 315}, 144, {234, 150, 98, 32}},
                             // Half a pixel rounds away from zero, less than half rounds towards it.
                             RectCase{{8, 7, 22, 23}, 96, {1, 0, 1, 2}},
                             RectCase{{-8, -7, 0, 0}, 96, {-1, 0, 0, 0}}));

TEST(FontHeightPixels, PointSizesInHundredths) {
    EXPECT_EQ(FontHeightPixels(900, 96), -12);
    EXPECT_EQ(FontHeightPixels(975, 96), -13);
    EXPECT_EQ(FontHeightPixels(1125, 96), -15);
    EXPECT_EQ(FontHeightPixels(1200, 120), -20);
    EXPECT_EQ(FontHeightPixels(975, 144), -20);  // 19.5 rounds away from zero
}

TEST(CentredOverOrigin, CentresOverTheOwnerAndStaysOnTheScreen) {
    EXPECT_EQ(CentredOverOrigin(100, 400, 200, 1024), 200);
    // A narrow vertical bar at the right edge: the box would stick out, so it moves in.
    EXPECT_EQ(CentredOverOrigin(980, 44, 330, 1024), 1024 - 330);
    // At the left edge it would start before the screen.
    EXPECT_EQ(CentredOverOrigin(0, 44, 330, 1024), 0);
    // Wider than the screen: the left edge stays visible.
    EXPECT_EQ(CentredOverOrigin(0, 800, 1200, 1024), 0);
}

TEST(TwipsPerPixel, WholeTwipsOfTheScreen) {
    EXPECT_EQ(TwipsPerPixel(96), 15);
    EXPECT_EQ(TwipsPerPixel(120), 12);
    EXPECT_EQ(TwipsPerPixel(0), 15);
    EXPECT_EQ(PixelsToTwips(-3, 96), -45);
}

}  // namespace
}  // namespace torva
