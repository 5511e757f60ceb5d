#pragma once
// The title dialog's logic: one page title (main or sub), its font and its two colours.

#include <string>
#include <string_view>

#include "definition/menu_definition.h"
#include "editor/dialogs/colour_palette.h"
#include "editor/dialogs/font_choice.h"

namespace torva::editor::dialogs {

inline constexpr int kTitleGeneralTab = 0;
inline constexpr int kTitleTextColourTab = 1;
inline constexpr int kTitleBackColourTab = 2;

inline constexpr int kMainTitle = 1;
inline constexpr int kSubTitle = 2;

class TitleDialogModel {
  public:
    // which: kMainTitle or kSubTitle.
    TitleDialogModel(const definition::PageTitle& title, int which);

    std::string_view Caption() const;    // "【主タイトル設定】" / "【副タイトル設定】"
    std::string_view TextLabel() const;  // "主タイトル名称" / "副タイトル名称"
    std::string_view ColourHeading(int tab) const;  // heading of a colour tab

    PaletteUse PaletteUseOf(int tab) const;
    Colour TabColour(int tab) const;
    // Colour-cell click on the current tab.
    void PickColour(int cell);

    void Store(definition::PageTitle& title) const;

    int which = kMainTitle;
    std::string text;
    DialogFont font;
    Colour foreColour = definition::kDefaultTextColour;
    Colour backColour = definition::kDefaultBackColour;
    int currentTab = kTitleGeneralTab;
};

}  // namespace torva::editor::dialogs
