#include "editor/dialogs/title_dialog.h"

#include "editor/dialogs/field_text.h"

namespace torva::editor::dialogs {

TitleDialogModel::TitleDialogModel(const definition::PageTitle& title, int whichTitle)
    : which(whichTitle == kSubTitle ? kSubTitle : kMainTitle), text(title.text) {
    if (!title.fontName.empty() || !title.fontStyle.empty() || title.fontSize != 0) {
        font = {title.fontName, title.fontStyle, title.fontSize};
    }
    foreColour = title.foreColour;
    backColour = title.backColour;
}

std::string_view TitleDialogModel::Caption() const {
    return which == kSubTitle ? "【副タイトル設定】" : "【主タイトル設定】";
}

std::string_view TitleDialogModel::TextLabel() const {
    return which == kSubTitle ? "副タイトル名称" : "主タイトル名称";
}

std::string_view TitleDialogModel::ColourHeading(int tab) const {
    if (tab == kTitleBackColourTab)
        return which == kSubTitle ? "副タイトル背景カラー" : "主タイトル背景カラー";
    return which == kSubTitle ? "副タイトル文字カラー" : "主タイトル文字カラー";
}

PaletteUse TitleDialogModel::PaletteUseOf(int tab) const {
    return tab == kTitleBackColourTab ? PaletteUse::BackgroundWithSeeThrough : PaletteUse::Text;
}

Colour TitleDialogModel::TabColour(int tab) const {
    return tab == kTitleBackColourTab ? backColour : foreColour;
}

void TitleDialogModel::PickColour(int cell) {
    if (currentTab == kTitleTextColourTab) {
        foreColour = PickCell(cell, PaletteUse::Text, foreColour);
    } else if (currentTab == kTitleBackColourTab) {
        backColour = PickCell(cell, PaletteUse::BackgroundWithSeeThrough, backColour);
    }
}

void TitleDialogModel::Store(definition::PageTitle& title) const {
    title.text = text;
    title.fontName = font.name;
    title.fontStyle = font.style;
    title.fontSize = ClampToByte(font.size);
    title.foreColour = foreColour;
    title.backColour = backColour;
}

}  // namespace torva::editor::dialogs
