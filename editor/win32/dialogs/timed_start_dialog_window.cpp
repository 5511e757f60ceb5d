#include "editor/win32/dialogs/timed_start_dialog_window.h"

#include "common/error_state.h"
#include "editor/dialogs/store_question.h"
#include "editor/win32/dialogs/control_ids.h"

namespace torva::editor::win32 {

namespace {

using namespace ids;
using namespace ids::timed;

constexpr int kWidth = 6300;
constexpr int kHeight = 3180;
constexpr int kHelpContext = 29;
constexpr int16_t kOpening = 920, kSwitching = 820, kOkLocation = 927;

constexpr std::array<std::string_view, 2> kSideCaptions{"経過時刻指定", "起動時刻指定"};
constexpr std::array<std::string_view, 2> kFrameCaptions{"起動ボタン１", "起動ボタン２"};

int FieldId(dialogs::TimedField field, int row) {
    switch (field) {
        case dialogs::TimedField::Time:
            return kTime + row;
        case dialogs::TimedField::Page:
            return kPage + row;
        case dialogs::TimedField::Button:
            break;
    }
    return kButton + row;
}

}  // namespace

TimedStartDialogWindow::TimedStartDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report)
    : DefinitionDialog(host, report), model_(host.Model()) {}

bool TimedStartDialogWindow::Open(HWND owner) {
    return OpenWith(owner, "【時間起動ボタン設定】", kWidth, kHeight);
}

void TimedStartDialogWindow::OnInit() {
    ErrorLocation location(Host().Error(), kOpening);
    const ui::win32::ControlMaker maker = Controls();
    for (int side = 0; side < 2; ++side) {
        const DWORD style = BS_AUTORADIOBUTTON | (side == 0 ? WS_GROUP | WS_TABSTOP : 0);
        Add(maker, L"BUTTON", kSideCaptions[static_cast<std::size_t>(side)], style, kSideFirst + side,
            {240 + side * 2400, 120, 2280, 300});
    }
    for (int row = 0; row < definition::kEntryCount; ++row) {
        const int top = 540 + row * 1020;
        Add(maker, L"BUTTON", kFrameCaptions[static_cast<std::size_t>(row)], BS_GROUPBOX | WS_GROUP,
            kFrame + row, {120, top, 6060, 900});
        Label(maker, "", kRowTitle + row, {300, top + 390, 1100, 270});
        Edit(maker, kTime + row, {1440, top + 360, 900, 330});
        Label(maker, "頁　第", kPageLabel + row, {2520, top + 390, 700, 270});
        Edit(maker, kPage + row, {3240, top + 360, 600, 330});
        Label(maker, "ボタン", kButtonLabel + row, {4020, top + 390, 700, 270});
        Edit(maker, kButton + row, {4740, top + 360, 600, 330});
    }
    MakeClosingButtons(maker, 1920, 2640);
    SetChecked(kSideFirst + dialogs::kElapsedSide, true);
    ShowSide();
    FocusControl(kTime);
}

dialogs::TimedSideTexts TimedStartDialogWindow::ReadBoxes() const {
    dialogs::TimedSideTexts boxes;
    for (int row = 0; row < definition::kEntryCount; ++row) {
        boxes[static_cast<std::size_t>(row)] = {Text(kTime + row), Text(kPage + row), Text(kButton + row)};
    }
    return boxes;
}

void TimedStartDialogWindow::ShowSide() {
    const auto titles = dialogs::TimedStartDialogModel::RowTitles(model_.side());
    for (int row = 0; row < definition::kEntryCount; ++row) {
        const dialogs::TimedRowTexts& texts = model_.Shown()[static_cast<std::size_t>(row)];
        SetText(kRowTitle + row, titles[static_cast<std::size_t>(row)]);
        SetText(kTime + row, texts.time);
        SetText(kPage + row, texts.page);
        SetText(kButton + row, texts.button);
    }
}

void TimedStartDialogWindow::SwitchTo(int side) {
    ErrorLocation location(Host().Error(), kSwitching);
    if (model_.SwitchSide(side, ReadBoxes())) ShowSide();
    SetChecked(kSideFirst + dialogs::kElapsedSide, model_.side() == dialogs::kElapsedSide);
    SetChecked(kSideFirst + dialogs::kClockSide, model_.side() == dialogs::kClockSide);
}

void TimedStartDialogWindow::Ok() {
    ErrorLocation location(Host().Error(), kOkLocation);
    model_.SaveShown(ReadBoxes());
    const auto failures = model_.Check(Host().Model().displayMode);
    const dialogs::TimedFailure* refused = dialogs::FirstRefused(
        failures, [this](const std::string& question) { return ConfirmStore(question); });
    if (refused) {
        SwitchTo(refused->side);
        FocusControl(FieldId(refused->field, refused->row));
        return;
    }
    model_.Store(Host().Model());
    Close(true, false);
}

void TimedStartDialogWindow::OnCommand(int id, int notification) {
    if (id == IDOK && notification == BN_CLICKED) {
        Ok();
    } else if (id == IDCANCEL) {
        Close(false, false);
    } else if (id == kHelp && notification == BN_CLICKED) {
        Host().ShowHelp(kHelpContext);
    } else if ((id == kSideFirst || id == kSideFirst + 1) && notification == BN_CLICKED) {
        SwitchTo(id - kSideFirst);
    } else if ((id >= kTime && id < kTime + 2) || (id >= kPage && id < kPage + 2) ||
               (id >= kButton && id < kButton + 2)) {
        if (SelectAllOnEntry(id, notification) || notification != EN_KILLFOCUS) return;
        const std::string text = Text(id);
        const std::string left = id < kTime + 2 ? dialogs::TimedStartDialogModel::LeaveTime(text)
                                                : dialogs::TimedStartDialogModel::LeaveNumber(text);
        if (left != text) SetText(id, left);
    }
}

}  // namespace torva::editor::win32
