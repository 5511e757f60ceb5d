#include "editor/win32/dialogs/button_dialog_window.h"

#include <commctrl.h>

#include <optional>

#include "common/error_state.h"
#include "definition/definition_store.h"
#include "editor/dialogs/store_question.h"
#include "editor/win32/dialogs/control_ids.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

using dialogs::ButtonField;
using namespace ids;
using namespace ids::button;

constexpr int kWidth = 8100;
constexpr int kHeight = 7440;
constexpr int kHelpContext = 6;
constexpr UINT kReadIcons = WM_APP + 1;

// Location numbers of the handlers.
constexpr int16_t kClosing = 989, kOpening = 970, kActionChoice = 971, kProgramBrowse = 972, kIconLeft = 973,
                  kIconBrowse = 974, kColourClick = 977, kOkLocation = 978, kCancelLocation = 979,
                  kTabChange = 870, kFontLocation = 871, kFontClear = 872, kHelpLocation = 779;

constexpr std::array<std::string_view, 4> kTabTitles{"基本設定", "ｱｲｺﾝ/PW設定", "文字ｶﾗｰ設定", "背景ｶﾗｰ設定"};

int FieldId(ButtonField field) {
    switch (field) {
        case ButtonField::Caption:
            return kCaption;
        case ButtonField::Program:
            return kProgram;
        case ButtonField::Arguments:
            return kArguments;
        case ButtonField::WorkFolder:
            return kWorkFolder;
        case ButtonField::Page:
            return kPage;
        case ButtonField::ButtonNumber:
            return kButtonNumber;
        case ButtonField::RemoteComputer:
            return kRemote;
        case ButtonField::Comment:
            return kComment;
        case ButtonField::IconFile:
            return kIconFile;
        case ButtonField::Password:
            return kPassword;
        case ButtonField::Guide:
            return kGuide;
        case ButtonField::None:
            break;
    }
    return 0;
}

ButtonField FieldOf(int id) {
    for (ButtonField field :
         {ButtonField::Caption, ButtonField::Program, ButtonField::Arguments, ButtonField::WorkFolder,
          ButtonField::Page, ButtonField::ButtonNumber, ButtonField::RemoteComputer, ButtonField::Comment,
          ButtonField::IconFile, ButtonField::Password, ButtonField::Guide}) {
        if (FieldId(field) == id) return field;
    }
    return ButtonField::None;
}

}  // namespace

ButtonDialogWindow::ButtonDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report, int page,
                                       int slot)
    : DefinitionDialog(host, report, kClosing),
      page_(page),
      slot_(slot),
      model_(host.Model().Page(page).Button(slot)),
      strip_(model_.icons) {
    model_.icons.NoteExtensionIn({&host.Error(), definition::kLocationExtension});
}

bool ButtonDialogWindow::Open(HWND owner) {
    return OpenWith(owner, "【ボタン設定】", kWidth, kHeight);
}

void ButtonDialogWindow::OnInit() {
    ErrorLocation location(Host().Error(), kOpening);
    MakeTabs(tabs_, kWidth, 6600, kTabTitles);
    MakeGeneralPage();
    MakeIconPage();
    MakeColourPage(tabs_.Controls(dialogs::kButtonCaptionColourTab), "ボタン文字カラー",
                   kCaptionColourHeading, captionPalette_, kCaptionPalette,
                   model_.PaletteUseOf(dialogs::kButtonCaptionColourTab));
    MakeColourPage(tabs_.Controls(dialogs::kButtonBackColourTab), "ボタン背景カラー", kBackColourHeading,
                   backPalette_, kBackPalette, model_.PaletteUseOf(dialogs::kButtonBackColourTab));
    MakeClosingButtons(Controls(), 3720, 6870);
    ShowFields();
    ShowTab(dialogs::kButtonGeneralTab);
    FocusControl(kCaption);
    // The icons are read once the dialog is on screen: a large library takes a moment.
    PostMessageW(Handle(), kReadIcons, 0, 0);
}

void ButtonDialogWindow::MakeGeneralPage() {
    const ui::win32::ControlMaker page = tabs_.Controls(dialogs::kButtonGeneralTab);
    Label(page, "ボタン名称", kCaptionLabel, {120, 150, 1800, 270});
    Edit(page, kCaption, {1980, 120, 3000, 330});
    Add(page, L"BUTTON", "ﾌｫﾝﾄ指定", WS_TABSTOP, kFontButton, {5100, 105, 1250, 360});
    Add(page, L"BUTTON", "消去", WS_TABSTOP, kFontClearButton, {6420, 105, 1100, 360});
    Add(page, L"BUTTON", "ＰＦキー", WS_TABSTOP | BS_AUTOCHECKBOX, kPfKey, {120, 540, 1800, 300});
    Label(page, "", kFontSummary, {5100, 555, 2420, 270});
    for (int n = 1; n < definition::kActionCount; ++n) {
        const int column = (n - 1) / 6;
        const int row = (n - 1) % 6;
        const DWORD style = BS_AUTORADIOBUTTON | (n == 1 ? WS_GROUP | WS_TABSTOP : 0);
        Add(page, L"BUTTON", dialogs::kActionCaptions[static_cast<std::size_t>(n)], style, kActionFirst + n,
            {120 + column * 2520, 900 + row * 300, 2460, 270});
    }
    Add(page, L"STATIC", "実行ファイル名", SS_LEFT | SS_NOPREFIX | WS_GROUP, kProgramLabel,
        {120, 2850, 1800, 270});
    Edit(page, kProgram, {1980, 2820, 4600, 330});
    Add(page, L"BUTTON", "参照", WS_TABSTOP, kProgramBrowseButton, {6660, 2805, 860, 360});
    Label(page, "コマンドライン              (ﾘﾓｰﾄﾒｯｾｰｼﾞ)", kArgumentsLabel, {120, 3240, 1800, 450});
    Edit(page, kArguments, {1980, 3240, 5540, 330});
    Label(page, "作業フォルダ", kWorkFolderLabel, {120, 3750, 1800, 270});
    Edit(page, kWorkFolder, {1980, 3720, 5540, 330});
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m) {
        const int column = m / 3;
        const int row = m % 3;
        const DWORD style = BS_AUTORADIOBUTTON | (m == 0 ? WS_GROUP | WS_TABSTOP : 0);
        Add(page, L"BUTTON", dialogs::kWaitModeCaptions[static_cast<std::size_t>(m)], style, kWaitFirst + m,
            {1980 + column * 2780, 4140 + row * 270, 2740, 270});
    }
    Add(page, L"STATIC", "ﾍﾟｰｼﾞ番号", SS_LEFT | SS_NOPREFIX | WS_GROUP, kPageLabel, {120, 5070, 1000, 270});
    Edit(page, kPage, {1140, 5040, 700, 330});
    Label(page, "ﾎﾞﾀﾝ番号", kButtonNumberLabel, {2040, 5070, 900, 270});
    Edit(page, kButtonNumber, {2960, 5040, 600, 330});
    Label(page, "ﾘﾓｰﾄｺﾝﾋﾟｭｰﾀ名", kRemoteLabel, {3760, 5070, 1450, 270});
    Edit(page, kRemote, {5220, 5040, 2300, 330});
    Label(page, "コメント", kCommentLabel, {120, 5490, 1800, 270});
    Edit(page, kComment, {1980, 5460, 5540, 330}, true);
}

void ButtonDialogWindow::MakeIconPage() {
    const ui::win32::ControlMaker page = tabs_.Controls(dialogs::kButtonIconTab);
    Label(page, "アイコンファイル名", kIconLabel, {120, 150, 2400, 270});
    Edit(page, kIconFile, {120, 450, 6500, 330});
    Add(page, L"BUTTON", "参照", WS_TABSTOP, kIconBrowseButton, {6660, 435, 860, 360});
    Label(page, "現在のアイコン", kIconCellsLabel, {120, 960, 2400, 270});
    strip_.Create(page, kIconStrip, {120, 1260, 5700, 900});
    Label(page, "パスワード（実行チェックコード）", kPasswordLabel, {120, 2400, 4000, 270});
    Edit(page, kPassword, {120, 2700, 3600, 330}, true);
    Label(page, "ガイドメッセージ", kGuideLabel, {120, 3240, 4000, 270});
    Edit(page, kGuide, {120, 3540, 7400, 330}, true);
}

void ButtonDialogWindow::ShowFields() {
    const dialogs::ButtonFields& f = model_.fields;
    SetText(kCaption, f.caption);
    SetText(kProgram, f.program);
    SetText(kArguments, f.arguments);
    SetText(kWorkFolder, f.workFolder);
    SetText(kPage, f.page);
    SetText(kButtonNumber, f.buttonNumber);
    SetText(kRemote, f.remoteComputer);
    SetText(kComment, f.comment);
    SetText(kIconFile, f.iconFile);
    SetText(kPassword, f.password);
    SetText(kGuide, f.guide);
    for (int n = 1; n < definition::kActionCount; ++n) SetChecked(kActionFirst + n, f.action == n);
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m) SetChecked(kWaitFirst + m, f.waitMode == m);
    SetChecked(kPfKey, f.pfKey);
    ShowActionStates();
    ShowFont(model_.font);
}

void ButtonDialogWindow::ShowActionStates() {
    const dialogs::ActionFieldStates states = dialogs::EnabledActionFields(model_.fields.action);
    for (int id : {kProgramLabel, kProgram, kProgramBrowseButton, kWorkFolderLabel, kWorkFolder}) {
        Enable(id, states.program);
    }
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m) Enable(kWaitFirst + m, states.program);
    Enable(kArgumentsLabel, states.arguments);
    Enable(kArguments, states.arguments);
    Enable(kPageLabel, states.page);
    Enable(kPage, states.page);
    Enable(kButtonNumberLabel, states.buttonNumber);
    Enable(kButtonNumber, states.buttonNumber);
    Enable(kRemoteLabel, states.remoteComputer);
    Enable(kRemote, states.remoteComputer);
}

void ButtonDialogWindow::ReadFields() {
    dialogs::ButtonFields& f = model_.fields;
    f.caption = Text(kCaption);
    f.program = Text(kProgram);
    f.arguments = Text(kArguments);
    f.workFolder = Text(kWorkFolder);
    f.page = Text(kPage);
    f.buttonNumber = Text(kButtonNumber);
    f.remoteComputer = Text(kRemote);
    f.comment = Text(kComment);
    f.iconFile = Text(kIconFile);
    f.password = Text(kPassword);
    f.guide = Text(kGuide);
    f.action = 0;
    for (int n = 1; n < definition::kActionCount && f.action == 0; ++n) {
        if (Checked(kActionFirst + n)) f.action = n;
    }
    f.waitMode = 0;
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m) {
        if (Checked(kWaitFirst + m)) {
            f.waitMode = m;
            break;
        }
    }
    f.pfKey = Checked(kPfKey);
}

void ButtonDialogWindow::ShowTab(int tab) {
    tabs_.Select(tab);
    model_.currentTab = tab;
    // Showing the colour is not a pick: the palette tells nothing back.
    if (tab == dialogs::kButtonCaptionColourTab) captionPalette_.ShowColour(model_.foreColour);
    if (tab == dialogs::kButtonBackColourTab) backPalette_.ShowColour(model_.backColour);
}

void ButtonDialogWindow::LeaveField(int id) {
    const ButtonField field = FieldOf(id);
    if (field == ButtonField::None) return;
    std::string* text = nullptr;
    dialogs::ButtonFields& f = model_.fields;
    switch (field) {
        case ButtonField::Program:
            text = &f.program;
            break;
        case ButtonField::WorkFolder:
            text = &f.workFolder;
            break;
        case ButtonField::RemoteComputer:
            text = &f.remoteComputer;
            break;
        case ButtonField::IconFile:
            text = &f.iconFile;
            break;
        case ButtonField::Page:
            text = &f.page;
            break;
        case ButtonField::ButtonNumber:
            text = &f.buttonNumber;
            break;
        default:
            return;
    }
    std::optional<ErrorLocation> location;
    if (field == ButtonField::IconFile) location.emplace(Host().Error(), kIconLeft);
    *text = Text(id);
    const dialogs::IconLoad load =
        model_.LeaveField(field, Host().SearchFolders(), Host().Files(), Host().Icons());
    if (Text(id) != *text) SetText(id, *text);
    if (field == ButtonField::IconFile) strip_.Apply(load);
}

void ButtonDialogWindow::BrowseProgram() {
    ErrorLocation location(Host().Error(), kProgramBrowse);
    if (const auto chosen = Browse(dialogs::kProgramBrowse, Host().ProgramPickFolder())) {
        SetText(kProgram, *chosen);
        model_.fields.program = *chosen;
    }
}

void ButtonDialogWindow::BrowseIcon() {
    ErrorLocation location(Host().Error(), kIconBrowse);
    if (const auto chosen = Browse(dialogs::kIconBrowse, Host().PicturePickFolder())) {
        SetText(kIconFile, *chosen);
        model_.fields.iconFile = *chosen;
        strip_.Apply(model_.icons.Load(*chosen, Host().SearchFolders(), Host().Files(), Host().Icons()));
    }
}

void ButtonDialogWindow::Ok() {
    ErrorLocation location(Host().Error(), kOkLocation);
    // What was typed just before Enter is finished first, as leaving its box would.
    if (model_.editingField != ButtonField::None) LeaveField(FieldId(model_.editingField));
    ReadFields();
    const dialogs::ButtonCheckResult checks = model_.Check(Host().SearchFolders(), Host().Files());
    const dialogs::ButtonFailure* refused = dialogs::FirstRefused(
        checks.failures, [this](const std::string& question) { return ConfirmStore(question); });
    if (refused) {
        ShowTab(refused->tab);
        FocusControl(FieldId(refused->field));
        return;
    }
    model_.Store(Host().Model().Page(page_).Button(slot_), checks);
    Host().RefreshButtonIcon(page_, slot_);
    Close(true, true);
}

void ButtonDialogWindow::OnCommand(int id, int notification) {
    if (id == IDOK && notification == BN_CLICKED) {
        Ok();
        return;
    }
    if (id == IDCANCEL) {
        ErrorLocation location(Host().Error(), kCancelLocation);
        Close(false, false);
        return;
    }
    if (id == kHelp && notification == BN_CLICKED) {
        ErrorLocation location(Host().Error(), kHelpLocation);
        Host().ShowHelp(kHelpContext);
        return;
    }
    if (id > kActionFirst && id < kActionFirst + definition::kActionCount && notification == BN_CLICKED) {
        ErrorLocation location(Host().Error(), kActionChoice);
        model_.fields.action = id - kActionFirst;
        ShowActionStates();
        return;
    }
    switch (id) {
        case kFontButton:
            if (notification == BN_CLICKED) {
                ErrorLocation location(Host().Error(), kFontLocation);
                PickFont(model_.font, dialogs::kButtonDefaultSize);
            }
            return;
        case kFontClearButton:
            if (notification == BN_CLICKED) {
                ErrorLocation location(Host().Error(), kFontClear);
                ClearFont(model_.font);
            }
            return;
        case kProgramBrowseButton:
            if (notification == BN_CLICKED) BrowseProgram();
            return;
        case kIconBrowseButton:
            if (notification == BN_CLICKED) BrowseIcon();
            return;
        case kCaptionPalette:
        case kBackPalette:
            if (notification == PaletteControl::kPicked) {
                ErrorLocation location(Host().Error(), kColourClick);
                const PaletteControl& palette = id == kCaptionPalette ? captionPalette_ : backPalette_;
                model_.PickColour(palette.PickedCell());
            }
            return;
        default:
            break;
    }
    if (FieldOf(id) != ButtonField::None) {
        if (SelectAllOnEntry(id, notification)) {
            model_.EnterField(FieldOf(id));
        } else if (notification == EN_KILLFOCUS) {
            LeaveField(id);
        }
    }
}

INT_PTR ButtonDialogWindow::OnOtherMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == kReadIcons) {
        ErrorLocation location(Host().Error(), kOpening);
        strip_.Apply(model_.OpenIcons(Host().SearchFolders(), Host().Files(), Host().Icons()));
        SetText(kIconFile, model_.fields.iconFile);
        return TRUE;
    }
    if (IsPageChange(tabs_, message, lParam)) {
        ErrorLocation location(Host().Error(), kTabChange);
        tabs_.OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        ShowTab(tabs_.Selected());
        return TRUE;
    }
    return FALSE;
}

}  // namespace torva::editor::win32
