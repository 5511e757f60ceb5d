// TVSETUPFM: the dialogs the main window opens (the definition dialogs, the version box) and the
// services the definition dialogs use.

#include "editor/help_topics.h"
#include "editor/location_codes.h"
#include "editor/win32/dialogs/definition_dialogs.h"
#include "editor/win32/tvsetupfm.h"
#include "editor/win32/tvverfm.h"
#include "editor/win32/win_api.h"
#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

void MainWindow::OpenDefinitionDialog(WindowRequest request) {
    if (!dialogs_)
        dialogs_ = std::make_unique<DefinitionDialogs>(static_cast<dialogs::DialogHost&>(*this), Report());
    const EditorWindowState& state = session_.state();
    switch (request) {
        case WindowRequest::ButtonDialog:
            if (IsSlot(state.focusIndex)) dialogs_->OpenButton(Handle(), state.currentPage, state.focusIndex);
            break;
        case WindowRequest::TitleDialog:
            if (IsTitle(state.focusIndex)) {
                dialogs_->OpenTitle(Handle(), state.currentPage, state.focusIndex - kMainTitle + 1);
            }
            break;
        case WindowRequest::BarTitleDialog:
            dialogs_->OpenBarTitle(Handle(), state.currentPage);
            break;
        case WindowRequest::PageStartDialog:
            dialogs_->OpenPageStartPrograms(Handle(), state.currentPage);
            break;
        case WindowRequest::StartEndDialog:
            dialogs_->OpenStartEndPrograms(Handle());
            break;
        case WindowRequest::TimedStartDialog:
            dialogs_->OpenTimedStarts(Handle());
            break;
        default:
            break;
    }
}

void MainWindow::ShowVersionBox() {
    if (versionBox_ && versionBox_->IsOpen()) return;
    versionBox_ = std::make_unique<VersionBox>(Report(), program_.store->error(), program_.instance);
    versionBox_->Show(Handle());
}

void MainWindow::ShowHelp(int context) {
    ErrorLocation here(program_.store->error(), location::kHelp);
    // A missing page is reported by the shell, as a missing help file always was.
    const std::wstring page = torva::win32::Wide(HelpPagePath(program_.programFolder, context));
    // The shell hands the page to its viewer through COM.
    const torva::win32::ComScope com;
    ShellExecuteW(Handle(), nullptr, page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::RefreshButtonIcon(int, int) {
    // The slot images follow their icon sources at the next render; the dialog's OK asks for one.
}

void MainWindow::DialogClosed(bool stored, bool redraw) {
    session_.DialogClosed(stored, redraw);
    if (GetForegroundWindow() == Handle()) {
        session_.Activated();
        AfterEvent();
    }
}

}  // namespace torva::editor::win32
