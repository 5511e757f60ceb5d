#include "editor/dialogs/button_dialog.h"

#include "common/utf8.h"
#include "editor/dialogs/field_text.h"
#include "editor/dialogs/path_field_check.h"

namespace torva::editor::dialogs {

using definition::ButtonAction;

const std::array<std::string_view, definition::kActionCount> kActionCaptions{
    "",           "ﾌﾟﾛｸﾞﾗﾑ実行",  "ﾍﾟｰｼﾞ移動", "ﾒﾆｭｰ終了",         "SCRｾｰﾊﾞｰ",      "ﾛｸﾞｵﾌ",
    "ｼｬｯﾄﾀﾞｳﾝ",   "ﾊﾟﾜｰｵﾌ",       "ﾘﾌﾞｰﾄ",     "確認ﾛｸﾞｵﾌ",        "確認ｼｬｯﾄﾀﾞｳﾝ",  "確認ﾊﾟﾜｰｵﾌ",
    "確認ﾘﾌﾞｰﾄ",  "ﾘﾓｰﾄｼｬｯﾄﾀﾞｳﾝ", "ﾘﾓｰﾄﾘﾌﾞｰﾄ", "確認ﾘﾓｰﾄｼｬｯﾄﾀﾞｳﾝ", "確認ﾘﾓｰﾄﾘﾌﾞｰﾄ", "ﾘﾓｰﾄﾒｯｾｰｼﾞ",
    "ﾘﾓｰﾄｺﾝﾄﾛｰﾙ",
};

const std::array<std::string_view, 5> kWaitModeCaptions{
    "ｺﾏﾝﾄﾞ非同期",
    "ｺﾏﾝﾄﾞ同期",
    "ｺﾏﾝﾄﾞ 同期 / ﾒﾆｭｰ非表示",
    "ｺﾏﾝﾄﾞ 同期 / ﾒﾆｭｰﾛｯｸ",
    "ｺﾏﾝﾄﾞ 同期 / ﾒﾆｭｰﾛｯｸ非表示",
};

namespace {

constexpr int kRun = static_cast<int>(ButtonAction::Run);
constexpr int kPage = static_cast<int>(ButtonAction::Page);
constexpr int kRemoteShutdown = static_cast<int>(ButtonAction::RemoteShutdown);
constexpr int kRemoteMessage = static_cast<int>(ButtonAction::RemoteMessage);
constexpr int kRemoteControl = static_cast<int>(ButtonAction::RemoteControl);

bool IsRemoteWithMessage(int action) {
    return action >= kRemoteShutdown && action <= kRemoteMessage;
}

std::string NumberOrEmpty(uint8_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

}  // namespace

ActionFieldStates EnabledActionFields(int action) {
    ActionFieldStates states;
    if (action == kRun) {
        states.program = true;
        states.arguments = true;
    } else if (action == kPage) {
        states.page = true;
    } else if (IsRemoteWithMessage(action)) {
        states.arguments = true;
        states.remoteComputer = true;
    } else if (action == kRemoteControl) {
        states.page = true;
        states.buttonNumber = true;
        states.remoteComputer = true;
    }
    return states;
}

ButtonDialogModel::ButtonDialogModel(const definition::MenuButton& button)
    : iconSource_(button.icon), iconBase_(button.iconBase) {
    fields.caption = button.caption;
    if (!button.fontName.empty() || !button.fontStyle.empty() || button.fontSize != 0) {
        font = {button.fontName, button.fontStyle, button.fontSize};
    }
    fields.comment = button.comment;
    const int action = static_cast<int>(button.action);
    if (action == kRun) {
        fields.program = button.program;
        fields.arguments = button.arguments;
        fields.workFolder = button.workFolder;
    } else if (action == kPage) {
        fields.page = NumberOrEmpty(button.targetPage);
    } else if (IsRemoteWithMessage(action)) {
        fields.remoteComputer = button.program;
        fields.arguments = button.arguments;
    } else if (action == kRemoteControl) {
        fields.remoteComputer = button.program;
        fields.page = NumberOrEmpty(button.targetPage);
        fields.buttonNumber = NumberOrEmpty(button.runOption);
    }
    // A value beyond the options selects none, as a button without action does.
    fields.action = action >= 1 && action < definition::kActionCount ? action : 0;
    fields.waitMode =
        action == kRun && button.runOption <= definition::kMaxButtonWaitMode ? button.runOption : 0;
    fields.pfKey = button.pfKey;
    fields.password = button.password;
    fields.guide = button.guide;
    foreColour = button.foreColour;
    backColour = button.backColour;
}

IconLoad ButtonDialogModel::OpenIcons(const definition::SearchFolders& folders,
                                      const platform::FileSystem& files, const IconFiles& iconFiles) {
    IconLoad load = icons.Open(iconSource_, iconBase_, folders, files, iconFiles);
    fields.iconFile = icons.file();
    return load;
}

void ButtonDialogModel::EnterField(ButtonField field) {
    switch (field) {
        case ButtonField::Program:
        case ButtonField::IconFile:
        case ButtonField::WorkFolder:
        case ButtonField::RemoteComputer:
            editingField = field;
            break;
        default:
            break;
    }
}

IconLoad ButtonDialogModel::LeaveField(ButtonField field, const definition::SearchFolders& folders,
                                       const platform::FileSystem& files, const IconFiles& iconFiles) {
    switch (field) {
        case ButtonField::Program:
            fields.program = TrimBlanks(fields.program);
            break;
        case ButtonField::WorkFolder:
            fields.workFolder = TrimBlanks(fields.workFolder);
            break;
        case ButtonField::RemoteComputer:
            fields.remoteComputer = TrimBlanks(fields.remoteComputer);
            break;
        case ButtonField::IconFile:
            fields.iconFile = TrimBlanks(fields.iconFile);
            if (editingField == field) editingField = ButtonField::None;
            return icons.Load(fields.iconFile, folders, files, iconFiles);
        case ButtonField::Page:
            fields.page = LeadingNumberText(fields.page);
            return {};
        case ButtonField::ButtonNumber:
            fields.buttonNumber = LeadingNumberText(fields.buttonNumber);
            return {};
        default:
            return {};
    }
    if (editingField == field) editingField = ButtonField::None;
    return {};
}

IconLoad ButtonDialogModel::FinishEditing(const definition::SearchFolders& folders,
                                          const platform::FileSystem& files, const IconFiles& iconFiles) {
    if (editingField == ButtonField::None) return {};
    return LeaveField(editingField, folders, files, iconFiles);
}

ButtonCheckResult ButtonDialogModel::Check(const definition::SearchFolders& folders,
                                           const platform::FileSystem& files) const {
    ButtonCheckResult result;
    auto fail = [&result](std::string_view message, int tab, ButtonField field) {
        result.failures.push_back({std::string(message), tab, field});
    };
    if (fields.action == kRun) {
        const PathFieldResult program = CheckPathField(fields.program, PathField::Program, folders, files);
        if (!program.passed) fail(program.message, kButtonGeneralTab, ButtonField::Program);
        result.programBase = program.base;
        const std::string folder = CheckWorkFolder(fields.workFolder, files);
        if (!folder.empty()) fail(folder, kButtonGeneralTab, ButtonField::WorkFolder);
    }
    if (fields.action == kPage || fields.action == kRemoteControl) {
        const long long page = LeadingWhole(fields.page);
        if (page < 1 || page > definition::kPageCount) fail(kWrongPage, kButtonGeneralTab, ButtonField::Page);
    }
    if (fields.action == kRemoteControl) {
        // The definition's readers refuse a remote press beyond the remote menu's twelfth button, so a
        // larger number would make a file that neither the menu nor this editor opens again.
        const long long number = LeadingWhole(fields.buttonNumber);
        if (number < 1 || number > definition::kRemoteButtonLimit) {
            fail(kWrongButtonNumber, kButtonGeneralTab, ButtonField::ButtonNumber);
        }
    }
    const PathFieldResult icon = CheckPathField(fields.iconFile, PathField::IconFile, folders, files);
    if (!icon.passed) fail(icon.message, kButtonIconTab, ButtonField::IconFile);
    result.iconBase = icon.base;
    return result;
}

void ButtonDialogModel::Store(definition::MenuButton& button, const ButtonCheckResult& checks) const {
    button.caption = fields.caption;
    button.fontName = font.name;
    button.fontStyle = font.style;
    button.fontSize = ClampToByte(font.size);
    button.comment = fields.comment;
    const int action = fields.action;
    if (action >= 1 && action < definition::kActionCount) {
        button.action = static_cast<ButtonAction>(action);
        button.program.clear();
        button.programBase = 0;
        button.arguments.clear();
        button.workFolder.clear();
        button.runOption = 0;
        button.targetPage = 0;
        if (action == kRun) {
            button.program = fields.program;
            button.programBase = checks.programBase;
            button.arguments = fields.arguments;
            button.workFolder = fields.workFolder;
            button.runOption = static_cast<uint8_t>(
                fields.waitMode >= 0 && fields.waitMode <= definition::kMaxButtonWaitMode ? fields.waitMode
                                                                                          : 0);
        } else if (action == kPage) {
            button.targetPage = ClampToByte(LeadingWhole(fields.page));
        } else if (IsRemoteWithMessage(action)) {
            button.program = fields.remoteComputer;
            button.arguments = fields.arguments;
        } else if (action == kRemoteControl) {
            button.program = fields.remoteComputer;
            button.runOption = ClampToByte(LeadingWhole(fields.buttonNumber));
            button.targetPage = ClampToByte(LeadingWhole(fields.page));
        }
    }
    button.pfKey = fields.pfKey;
    button.icon = icons.StoredSource(fields.iconFile);
    button.iconBase = checks.iconBase;
    button.foreColour = foreColour;
    button.backColour = backColour;
    button.password = fields.password;
    button.guide = fields.guide;
}

PaletteUse ButtonDialogModel::PaletteUseOf(int tab) const {
    return tab == kButtonBackColourTab ? PaletteUse::BackgroundWithSeeThrough : PaletteUse::Text;
}

Colour ButtonDialogModel::TabColour(int tab) const {
    return tab == kButtonBackColourTab ? backColour : foreColour;
}

void ButtonDialogModel::PickColour(int cell) {
    if (currentTab == kButtonCaptionColourTab) {
        foreColour = PickCell(cell, PaletteUse::Text, foreColour);
    } else if (currentTab == kButtonBackColourTab) {
        backColour = PickCell(cell, PaletteUse::BackgroundWithSeeThrough, backColour);
    }
}

}  // namespace torva::editor::dialogs
