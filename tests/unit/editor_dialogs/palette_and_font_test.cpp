#include <gtest/gtest.h>

#include "definition/colour_codes.h"
#include "editor/dialogs/colour_palette.h"
#include "editor/dialogs/font_choice.h"
#include "editor/dialogs/title_dialog.h"

namespace torva::editor::dialogs {
namespace {

using definition::kDefaultBackColour;
using definition::kDefaultTextColour;
using definition::kSemiTransparent;
using definition::kTransparent;

TEST(ColourPalette, FixedCellsFollowTheColourCodes) {
    // W, W4, W5, M1, M2, M, then levels 1..3 and 4..6 of R O Y G T B P: every pick has a code.
    const char* codes[kFixedCells] = {"W",  "W4", "W5", "M1", "M2", "M",  "R1", "R2", "R3", "O1", "O2", "O3",
                                      "Y1", "Y2", "Y3", "G1", "G2", "G3", "T1", "T2", "T3", "B1", "B2", "B3",
                                      "P1", "P2", "P3", "R4", "R5", "R6", "O4", "O5", "O6", "Y4", "Y5", "Y6",
                                      "G4", "G5", "G6", "T4", "T5", "T6", "B4", "B5", "B6", "P4", "P5", "P6"};
    for (int cell = 0; cell < kFixedCells; ++cell) {
        const Colour fixed = kFixedColours[static_cast<std::size_t>(cell)];
        EXPECT_EQ(fixed, definition::colourFromCode(codes[cell], definition::ColourContext::ButtonBack))
            << cell;
        EXPECT_FALSE(definition::codeFromColour(fixed).empty()) << cell;
    }
}

TEST(ColourPalette, CellsPerUse) {
    EXPECT_TRUE(CellShown(48, PaletteUse::Text));
    EXPECT_FALSE(CellShown(49, PaletteUse::Text));
    EXPECT_FALSE(CellShown(50, PaletteUse::Background));
    EXPECT_TRUE(CellShown(49, PaletteUse::BackgroundWithSeeThrough));
    EXPECT_TRUE(CellShown(50, PaletteUse::BackgroundWithSeeThrough));
    EXPECT_FALSE(CellShown(51, PaletteUse::BackgroundWithSeeThrough));
    EXPECT_FALSE(CellShown(-1, PaletteUse::Text));

    EXPECT_EQ(PickCell(48, PaletteUse::Text, 0x123456), kDefaultTextColour);
    EXPECT_EQ(PickCell(48, PaletteUse::Background, 0x123456), kDefaultBackColour);
    EXPECT_EQ(PickCell(48, PaletteUse::BackgroundWithSeeThrough, 0x123456), kDefaultBackColour);
    EXPECT_EQ(PickCell(49, PaletteUse::BackgroundWithSeeThrough, 0), kTransparent);
    EXPECT_EQ(PickCell(50, PaletteUse::BackgroundWithSeeThrough, 0), kSemiTransparent);
    EXPECT_EQ(PickCell(49, PaletteUse::Text, 0x123456), 0x123456u);  // not offered: unchanged
    EXPECT_EQ(PickCell(8, PaletteUse::Text, 0), 0x0000FFu);
}

TEST(ColourPalette, SelectedCellAndSwatchForStoredColours) {
    struct Case {
        Colour value;
        PaletteUse use;
        int cell;
        std::string_view caption;
    };
    const Case cases[] = {
        {kTransparent, PaletteUse::BackgroundWithSeeThrough, 49, "透"},
        {kSemiTransparent, PaletteUse::BackgroundWithSeeThrough, 50, "半"},
        {kTransparent, PaletteUse::Text, kNoCell, ""},
        {kDefaultBackColour, PaletteUse::BackgroundWithSeeThrough, 48, ""},
        {kDefaultTextColour, PaletteUse::Text, 48, ""},
        {kDefaultTextColour, PaletteUse::Background, kNoCell, ""},
        {0x000000, PaletteUse::Text, 5, ""},  // M (black) comes before M3..M6 of the same value
        {0x808080, PaletteUse::Text, 2, ""},
        {0x123456, PaletteUse::Text, kNoCell, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellForColour(c.value, c.use), c.cell) << std::hex << c.value;
        const CellFace swatch = SwatchFor(c.value, c.use);
        EXPECT_EQ(swatch.caption, c.caption) << std::hex << c.value;
        if (c.caption.empty()) {
            EXPECT_EQ(swatch.colour, c.value);
        }
    }
}

TEST(FontChoice, RequestFromTheWorkingFont) {
    const FontRequest bold = PrepareFontRequest({"ＭＳ ゴシック", "Bold Italic", 12}, 96);
    EXPECT_EQ(bold.faceName, "ＭＳ ゴシック");
    EXPECT_EQ(bold.height, -16);
    EXPECT_EQ(bold.weight, 700);
    EXPECT_TRUE(bold.italic);
    EXPECT_TRUE(bold.selectStyle && bold.selectFace && bold.selectSize);

    const FontRequest lower = PrepareFontRequest({"Arial", "bold", 10}, 144);
    EXPECT_EQ(lower.height, -20);
    EXPECT_EQ(lower.weight, 700);  // tested in upper case
    EXPECT_FALSE(lower.italic);

    EXPECT_EQ(PrepareFontRequest({"A", "Regular", 11}, 96).height, -15);  // 14.67 rounds to 15
    EXPECT_EQ(PrepareFontRequest({"A", "Regular", 9}, 120).height, -15);  // 15.0
    EXPECT_EQ(PrepareFontRequest({"A", "Italic", 9}, 96).weight, 400);

    const FontRequest none = PrepareFontRequest({}, 96);
    EXPECT_FALSE(none.selectStyle);
    EXPECT_FALSE(none.selectFace);
    EXPECT_FALSE(none.selectSize);
    EXPECT_EQ(none.height, 0);
    EXPECT_EQ(none.weight, 0);
}

TEST(FontChoice, AnswerRules) {
    struct Case {
        FontAnswer answer;
        int defaultSize;
        DialogFont expected;
    };
    const Case cases[] = {
        {{true, "Arial", true, 700, true, true, 120}, kButtonDefaultSize, {"Arial", "Bold Italic", 12}},
        {{true, "Arial", true, 800, false, true, 120}, kButtonDefaultSize, {"Arial", "Bold", 12}},
        {{true, "Arial", true, 499, true, true, 120}, kButtonDefaultSize, {"Arial", "Italic", 12}},
        {{true, "Arial", true, 400, false, true, 105}, kButtonDefaultSize, {"Arial", "Regular", 10}},
        {{true, "Arial", true, 400, false, true, 115}, kButtonDefaultSize, {"Arial", "Regular", 12}},
        {{false, "", true, 400, false, true, 90}, kButtonDefaultSize, {"ＭＳ 明朝", "Regular", 9}},
        {{true, "Arial", false, 700, true, true, 90}, kButtonDefaultSize, {"Arial", "Regular", 9}},
        {{true, "Arial", true, 400, false, false, 0}, kButtonDefaultSize, {"Arial", "Regular", 10}},
        {{true, "Arial", true, 400, false, false, 0}, kTitleDefaultSize, {"Arial", "Regular", 16}},
        {{true, "Arial", true, 400, false, true, 3000}, kTitleDefaultSize, {"Arial", "Regular", 255}},
        {{true, "Arial", true, 400, false, true, 2551}, kButtonDefaultSize, {"Arial", "Regular", 255}},
        {{true, "Arial", true, 400, false, true, 2550}, kButtonDefaultSize, {"Arial", "Regular", 255}},
        {{true, "Arial", true, 400, false, true, 2544}, kButtonDefaultSize, {"Arial", "Regular", 254}},
    };
    for (const Case& c : cases) {
        const auto font = ApplyFontAnswer(c.answer, c.defaultSize);
        ASSERT_TRUE(font.has_value());
        EXPECT_EQ(*font, c.expected) << c.answer.sizeTenths;
    }
    EXPECT_FALSE(ApplyFontAnswer({false, "", false, 700, true, false, 120}, kTitleDefaultSize).has_value());
}

TEST(FontChoice, Summary) {
    EXPECT_EQ(FontSummary({}), "");
    EXPECT_EQ(FontSummary({"ＭＳ 明朝", "Bold", 12}), "ＭＳ 明朝  Bold  12pt");
    EXPECT_EQ(FontSummary({"", "", 20}), "20pt");
    EXPECT_EQ(FontSummary({"Arial", "", 0}), "Arial");
}

TEST(TitleDialog, OpensWithItsFontAndStoresEverything) {
    definition::PageTitle title;
    title.text = "Office";
    title.fontSize = 20;  // a size alone counts as a font
    title.backColour = kTransparent;
    TitleDialogModel model(title, kSubTitle);
    EXPECT_EQ(model.Caption(), "【副タイトル設定】");
    EXPECT_EQ(model.TextLabel(), "副タイトル名称");
    EXPECT_EQ(model.ColourHeading(kTitleBackColourTab), "副タイトル背景カラー");
    EXPECT_EQ(model.ColourHeading(kTitleTextColourTab), "副タイトル文字カラー");
    EXPECT_TRUE(model.font.IsSet());
    EXPECT_EQ(model.font.size, 20);
    EXPECT_EQ(CellForColour(model.backColour, model.PaletteUseOf(kTitleBackColourTab)), kTransparentCell);
    EXPECT_EQ(TitleDialogModel(definition::PageTitle{}, kMainTitle).Caption(), "【主タイトル設定】");
    EXPECT_FALSE(TitleDialogModel(definition::PageTitle{}, kMainTitle).font.IsSet());

    model.currentTab = kTitleTextColourTab;
    model.PickColour(kTransparentCell);  // not offered on the text tab
    EXPECT_EQ(model.foreColour, kDefaultTextColour);
    model.PickColour(23);
    EXPECT_EQ(model.foreColour, 0xFF0000u);
    model.currentTab = kTitleBackColourTab;
    model.PickColour(kSemiTransparentCell);
    EXPECT_EQ(model.backColour, kSemiTransparent);
    model.text = "New";
    model.font = *ApplyFontAnswer({true, "Arial", false, 0, false, false, 0}, kTitleDefaultSize);

    definition::PageTitle stored = title;
    model.Store(stored);
    EXPECT_EQ(stored.text, "New");
    EXPECT_EQ(stored.fontName, "Arial");
    EXPECT_EQ(stored.fontStyle, "Regular");
    EXPECT_EQ(stored.fontSize, 16);
    EXPECT_EQ(stored.foreColour, 0xFF0000u);
    EXPECT_EQ(stored.backColour, kSemiTransparent);

    model.font.Clear();
    model.Store(stored);
    EXPECT_TRUE(stored.fontName.empty() && stored.fontStyle.empty());
    EXPECT_EQ(stored.fontSize, 0);
}

}  // namespace
}  // namespace torva::editor::dialogs
