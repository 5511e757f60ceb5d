#include "editor/win32/dialogs/definition_dialogs.h"

#include "editor/win32/dialogs/button_dialog_window.h"
#include "editor/win32/dialogs/program_dialog_window.h"
#include "editor/win32/dialogs/timed_start_dialog_window.h"
#include "editor/win32/dialogs/title_dialog_window.h"

namespace torva::editor::win32 {

namespace {

bool ValidPage(int page) {
    return page >= 1 && page <= definition::kPageCount;
}

}  // namespace

DefinitionDialogs::DefinitionDialogs(dialogs::DialogHost& host, ui::win32::FatalReport& report)
    : host_(host), report_(report) {}

DefinitionDialogs::~DefinitionDialogs() = default;

HWND DefinitionDialogs::OpenDialog() const {
    return current_ && current_->IsOpen() ? current_->Handle() : nullptr;
}

bool DefinitionDialogs::Show(std::unique_ptr<DefinitionDialog> dialog, HWND owner) {
    // The dialog before stays until the next one: it may be telling that it closed right now.
    retired_ = std::move(current_);
    current_ = std::move(dialog);
    return current_->Open(owner);
}

bool DefinitionDialogs::OpenButton(HWND owner, int page, int slot) {
    if (OpenDialog() || !ValidPage(page) || slot < 1 || slot > definition::kMaxButtons) return false;
    return Show(std::make_unique<ButtonDialogWindow>(host_, report_, page, slot), owner);
}

bool DefinitionDialogs::OpenTitle(HWND owner, int page, int which) {
    if (OpenDialog() || !ValidPage(page) || which < 1 || which > definition::kEntryCount) return false;
    return Show(std::make_unique<TitleDialogWindow>(host_, report_, page, which), owner);
}

bool DefinitionDialogs::OpenBarTitle(HWND owner, int page) {
    if (OpenDialog() || !ValidPage(page)) return false;
    return Show(std::make_unique<BarTitleDialogWindow>(host_, report_, page), owner);
}

bool DefinitionDialogs::OpenTimedStarts(HWND owner) {
    if (OpenDialog()) return false;
    return Show(std::make_unique<TimedStartDialogWindow>(host_, report_), owner);
}

bool DefinitionDialogs::OpenStartEndPrograms(HWND owner) {
    if (OpenDialog()) return false;
    return Show(
        std::make_unique<ProgramDialogWindow>(host_, report_, dialogs::ProgramDialogKind::StartEnd, 1),
        owner);
}

bool DefinitionDialogs::OpenPageStartPrograms(HWND owner, int page) {
    if (OpenDialog() || !ValidPage(page)) return false;
    return Show(
        std::make_unique<ProgramDialogWindow>(host_, report_, dialogs::ProgramDialogKind::PageStart, page),
        owner);
}

}  // namespace torva::editor::win32
