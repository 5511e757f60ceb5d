#include "menuview/button_face.h"

#include <gtest/gtest.h>

namespace torva::menuview {
namespace {

TEST(TitleBars, ShownByTextOrColour) {
    EXPECT_FALSE(TitleShown("", kDefaultBackColour));
    EXPECT_FALSE(TitleShown("   ", kDefaultBackColour));
    EXPECT_TRUE(TitleShown(" a ", kDefaultBackColour));
    EXPECT_TRUE(TitleShown("", 0x00FF0000));
    EXPECT_TRUE(TitleShown("", kTransparentColour));
    EXPECT_TRUE(TitleShown("　", kDefaultBackColour));  // a full-width blank is text
}

TEST(Fonts, DefaultsAndStyleWords) {
    EXPECT_EQ(ResolveFont("", "", 0, 16), (FontChoice{"ＭＳ 明朝", false, false, 16}));
    EXPECT_EQ(ResolveFont("Arial", "bold italic", 12, 16), (FontChoice{"Arial", true, true, 12}));
    EXPECT_EQ(ResolveFont("Arial", "Regular", 0, 10), (FontChoice{"Arial", false, false, 10}));
    EXPECT_EQ(ResolveFont("Arial", "SemiBold", 9, 10), (FontChoice{"Arial", true, false, 9}));
    // Full-width letters are not the style word.
    EXPECT_FALSE(ResolveFont("Arial", "Ｉｔａｌｉｃ", 9, 10).italic);
}

TEST(CaptionPosition, CentredInTheInnerArea) {
    // Button 235 x 36: inner 233 x 34.
    EXPECT_EQ(CaptionOrigin(235, 36, 100, 14, false, false), (FacePoint{68, 12}));
    EXPECT_EQ(CaptionOrigin(235, 36, 100, 14, true, false), (FacePoint{84, 12}));
    EXPECT_EQ(CaptionOrigin(235, 36, 100, 14, false, true), (FacePoint{68, 18}));
    EXPECT_EQ(CaptionOrigin(235, 36, 100, 14, true, true), (FacePoint{84, 18}));
    // A caption wider than the button starts left of it rather than wrapping.
    EXPECT_LT(CaptionOrigin(235, 36, 400, 14, false, false).x, 0);
}

TEST(CaptionPosition, KeyMarkSitsAboveTheMiddle) {
    EXPECT_EQ(KeyMarkOrigin(235), (FacePoint{103, 3}));
    EXPECT_EQ(KeyMarkOrigin(337), (FacePoint{154, 3}));
}

TEST(IconSources, IndexCountsOnlyForLibrariesAndPrograms) {
    struct Row {
        const char* source;
        IconSource expected;
    };
    for (const Row& r :
         {Row{"C:\\W\\shell32.dll|3", {"C:\\W\\shell32.dll", 3}},
          Row{" C:\\W\\prog.EXE|12 ", {"C:\\W\\prog.EXE", 12}}, Row{"C:\\W\\a.ocx|x", {"C:\\W\\a.ocx", 0}},
          Row{"C:\\W\\a.ico|4", {"C:\\W\\a.ico", 0}}, Row{"C:\\W\\a.dll", {"C:\\W\\a.dll", 0}},
          Row{"C:\\W\\a.dll|", {"C:\\W\\a.dll", 0}}, Row{"C:\\W\\a.dll|99999999999999", {"C:\\W\\a.dll", 0}},
          Row{"C:\\W.X\\a|2", {"C:\\W.X\\a", 0}}, Row{"", {"", 0}}}) {
        EXPECT_EQ(ParseIconSource(r.source), r.expected) << r.source;
    }
}

TEST(IconSources, IndexBeyondTheLastIconIsTheFirst) {
    EXPECT_EQ(EffectiveIconIndex(3, 4), 3);
    EXPECT_EQ(EffectiveIconIndex(4, 4), 0);
    EXPECT_EQ(EffectiveIconIndex(-1, 4), 0);
    EXPECT_EQ(EffectiveIconIndex(0, 0), 0);
}

TEST(Tiles, WholeTilesPlusOnePartialColumnAndRow) {
    const auto t = TileOrigins(100, 50, 40, 30);
    // columns 0..2, rows 0..1, column by column
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t.front(), (FacePoint{0, 0}));
    EXPECT_EQ(t[1], (FacePoint{0, 30}));
    EXPECT_EQ(t[2], (FacePoint{40, 0}));
    EXPECT_EQ(t.back(), (FacePoint{80, 30}));
    // An exact fit still adds the (empty) partial tile, as the drawing has always done.
    EXPECT_EQ(TileOrigins(80, 60, 40, 30).size(), 9u);
    EXPECT_TRUE(TileOrigins(100, 50, 0, 30).empty());
    EXPECT_TRUE(TileOrigins(100, 50, 40, -1).empty());
}

}  // namespace
}  // namespace torva::menuview
