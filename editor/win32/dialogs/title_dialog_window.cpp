#include "editor/win32/dialogs/title_dialog_window.h"

#include <commctrl.h>

#include <array>

#include "common/error_state.h"
#include "common/utf8.h"
#include "editor/dialogs/button_dialog.h"
#include "editor/dialogs/store_question.h"
#include "editor/win32/dialogs/control_ids.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

using namespace ids;
using namespace ids::title;

constexpr int kTitleWidth = 8100;
constexpr int kTitleHeight = 4500;
constexpr int kBarWidth = 8100;
constexpr int kBarHeight = 4500;

// Location numbers of the title dialog and the bar-title dialog.
constexpr int16_t kTitleOpening = 950, kTitlePalette = 951, kTitleFont = 952, kTitleFontClear = 953,
                  kTitleOk = 957, kTitleCancel = 958, kTitleTabs = 850;
constexpr int16_t kBarOpening = 940, kBarPalette = 941, kBarBrowse = 942, kBarPicture = 945, kBarOk = 947,
                  kBarCancel = 948;

constexpr std::array<std::string_view, 3> kTitleTabTitles{"基本設定", "文字ｶﾗｰ設定", "背景ｶﾗｰ設定"};
constexpr std::array<std::string_view, 3> kBarTabTitles{"基本設定", "カラー設定", "背景設定"};

}  // namespace

TitleDialogWindow::TitleDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report, int page,
                                     int which)
    : DefinitionDialog(host, report), page_(page), model_(host.Model().Page(page).Title(which), which) {}

bool TitleDialogWindow::Open(HWND owner) {
    return OpenWith(owner, model_.Caption(), kTitleWidth, kTitleHeight);
}

void TitleDialogWindow::OnInit() {
    ErrorLocation location(Host().Error(), kTitleOpening);
    MakeTabs(tabs_, kTitleWidth, 3660, kTitleTabTitles);
    const ui::win32::ControlMaker general = tabs_.Controls(dialogs::kTitleGeneralTab);
    Label(general, model_.TextLabel(), kTextLabel, {120, 150, 2000, 270});
    Edit(general, kText, {120, 450, 7400, 330});
    Add(general, L"BUTTON", "ﾌｫﾝﾄ指定", WS_TABSTOP, kFontButton, {120, 960, 1250, 360});
    Add(general, L"BUTTON", "消去", WS_TABSTOP, kFontClearButton, {1440, 960, 1100, 360});
    Label(general, "", kFontSummary, {2700, 1005, 4820, 270});
    for (int tab : {dialogs::kTitleTextColourTab, dialogs::kTitleBackColourTab}) {
        MakeColourPage(tabs_.Controls(tab), model_.ColourHeading(tab), kHeading + tab,
                       tab == dialogs::kTitleTextColourTab ? textPalette_ : backPalette_, kPalette + tab,
                       model_.PaletteUseOf(tab));
    }
    MakeClosingButtons(Controls(), 3720, 3930);
    SetText(kText, model_.text);
    ShowFont(model_.font);
    ShowTab(dialogs::kTitleGeneralTab);
    FocusControl(kText);
}

void TitleDialogWindow::ShowTab(int tab) {
    tabs_.Select(tab);
    model_.currentTab = tab;
    if (tab == dialogs::kTitleTextColourTab) textPalette_.ShowColour(model_.foreColour);
    if (tab == dialogs::kTitleBackColourTab) backPalette_.ShowColour(model_.backColour);
}

void TitleDialogWindow::OnCommand(int id, int notification) {
    switch (id) {
        case IDOK:
            if (notification == BN_CLICKED) {
                ErrorLocation location(Host().Error(), kTitleOk);
                model_.text = Text(kText);
                model_.Store(Host().Model().Page(page_).Title(model_.which));
                Close(true, true);
            }
            return;
        case IDCANCEL: {
            ErrorLocation location(Host().Error(), kTitleCancel);
            Close(false, false);
            return;
        }
        case kHelp:
            if (notification == BN_CLICKED) Host().ShowHelp(0);
            return;
        case kFontButton:
            if (notification == BN_CLICKED) {
                ErrorLocation location(Host().Error(), kTitleFont);
                PickFont(model_.font, dialogs::kTitleDefaultSize);
            }
            return;
        case kFontClearButton:
            if (notification == BN_CLICKED) {
                ErrorLocation location(Host().Error(), kTitleFontClear);
                ClearFont(model_.font);
            }
            return;
        case kText:
            SelectAllOnEntry(id, notification);
            return;
        case kPalette + dialogs::kTitleTextColourTab:
        case kPalette + dialogs::kTitleBackColourTab:
            if (notification == PaletteControl::kPicked) {
                ErrorLocation location(Host().Error(), kTitlePalette);
                const PaletteControl& palette =
                    id == kPalette + dialogs::kTitleTextColourTab ? textPalette_ : backPalette_;
                model_.PickColour(palette.PickedCell());
            }
            return;
        default:
            return;
    }
}

INT_PTR TitleDialogWindow::OnOtherMessage(UINT message, WPARAM, LPARAM lParam) {
    if (!IsPageChange(tabs_, message, lParam)) return FALSE;
    ErrorLocation location(Host().Error(), kTitleTabs);
    ShowTab(tabs_.Selected());
    return TRUE;
}

BarTitleDialogWindow::BarTitleDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report,
                                           int page)
    : DefinitionDialog(host, report), model_(host.Model(), page) {}

bool BarTitleDialogWindow::Open(HWND owner) {
    return OpenWith(owner, "【バータイトル設定】", kBarWidth, kBarHeight);
}

void BarTitleDialogWindow::OnInit() {
    ErrorLocation location(Host().Error(), kBarOpening);
    MakeTabs(tabs_, kBarWidth, 3660, kBarTabTitles);

    const ui::win32::ControlMaker general = tabs_.Controls(dialogs::kBarGeneralTab);
    Label(general, "バータイトル名称", kTextLabel, {120, 150, 2400, 270});
    Edit(general, kText, {120, 450, 7400, 330});
    Add(general, L"BUTTON", "ページ単位ﾌﾟﾛｸﾞﾗﾑ同期指定", BS_GROUPBOX | WS_GROUP, kWaitHeading,
        {120, 930, 7400, 1230});
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m) {
        const int column = m / 3;
        const int row = m % 3;
        const DWORD style = BS_AUTORADIOBUTTON | (m == 0 ? WS_GROUP | WS_TABSTOP : 0);
        Add(general, L"BUTTON", dialogs::kWaitModeCaptions[static_cast<std::size_t>(m)], style,
            kWaitFirst + m, {300 + column * 3600, 1200 + row * 300, 3500, 270});
    }
    Add(general, L"BUTTON", "ページ共通指定", WS_TABSTOP | BS_AUTOCHECKBOX | WS_GROUP, kCommon,
        {120, 2340, 3000, 300});

    MakeColourPage(tabs_.Controls(dialogs::kBarColourTab), "メニュー背景カラー", kHeading, palette_, kPalette,
                   dialogs::PaletteUse::Background);

    const ui::win32::ControlMaker picture = tabs_.Controls(dialogs::kBarPictureTab);
    Label(picture, "背景ファイル名", kPictureLabel, {120, 150, 2400, 270});
    Edit(picture, kPicture, {120, 450, 6500, 330});
    Add(picture, L"BUTTON", "参照", WS_TABSTOP, kBrowse, {6660, 435, 860, 360});
    preview_.Create(picture, kPreview, {120, 900, 7400, 2160});

    MakeClosingButtons(Controls(), 3720, 3930);

    SetText(kText, model_.text);
    SetText(kPicture, model_.picture);
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m)
        SetChecked(kWaitFirst + m, model_.waitMode == m);
    Show(kCommon, model_.OffersCommonBackground());
    SetChecked(kCommon, model_.commonBackground);
    RefreshPreview();
    ShowTab(dialogs::kBarGeneralTab);
    FocusControl(kText);
}

void BarTitleDialogWindow::ShowTab(int tab) {
    tabs_.Select(tab);
    model_.currentTab = tab;
    if (tab == dialogs::kBarColourTab) palette_.ShowColour(model_.colour);
}

void BarTitleDialogWindow::RefreshPreview() {
    ErrorLocation location(Host().Error(), kBarPicture);
    model_.picture = Text(kPicture);
    preview_.Show(model_.PreviewPath(Host().SearchFolders(), Host().Files()));
}

void BarTitleDialogWindow::Ok() {
    ErrorLocation location(Host().Error(), kBarOk);
    model_.text = Text(kText);
    model_.picture = Text(kPicture);
    model_.waitMode = 0;
    for (int m = 0; m <= definition::kMaxButtonWaitMode; ++m) {
        if (Checked(kWaitFirst + m)) model_.waitMode = m;
    }
    model_.commonBackground = Checked(kCommon);
    const dialogs::BarCheckResult checks = model_.Check(Host().SearchFolders(), Host().Files());
    SetText(kPicture, checks.picture);
    const dialogs::BarFailure* refused = dialogs::FirstRefused(
        checks.failures, [this](const std::string& question) { return ConfirmStore(question); });
    if (refused) {
        ShowTab(refused->tab);
        FocusControl(kPicture);
        return;
    }
    model_.Store(Host().Model(), checks);
    Close(true, true);
}

void BarTitleDialogWindow::OnCommand(int id, int notification) {
    switch (id) {
        case IDOK:
            if (notification == BN_CLICKED) Ok();
            return;
        case IDCANCEL: {
            ErrorLocation location(Host().Error(), kBarCancel);
            Close(false, false);
            return;
        }
        case kHelp:
            if (notification == BN_CLICKED) Host().ShowHelp(0);
            return;
        case kBrowse:
            if (notification == BN_CLICKED) {
                ErrorLocation location(Host().Error(), kBarBrowse);
                if (const auto chosen = Browse(dialogs::kPictureBrowse, Host().PicturePickFolder())) {
                    SetText(kPicture, *chosen);
                    RefreshPreview();
                }
            }
            return;
        case kText:
            SelectAllOnEntry(id, notification);
            return;
        case kPicture:
            if (!SelectAllOnEntry(id, notification) && notification == EN_KILLFOCUS) RefreshPreview();
            return;
        case kPalette:
            if (notification == PaletteControl::kPicked) {
                ErrorLocation location(Host().Error(), kBarPalette);
                model_.PickColour(palette_.PickedCell());
            }
            return;
        default:
            return;
    }
}

INT_PTR BarTitleDialogWindow::OnOtherMessage(UINT message, WPARAM, LPARAM lParam) {
    if (!IsPageChange(tabs_, message, lParam)) return FALSE;
    ShowTab(tabs_.Selected());
    return TRUE;
}

}  // namespace torva::editor::win32
