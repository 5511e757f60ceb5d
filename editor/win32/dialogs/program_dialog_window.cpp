#include "editor/win32/dialogs/program_dialog_window.h"

#include <commctrl.h>

#include <span>

#include "common/error_state.h"
#include "common/utf8.h"
#include "editor/dialogs/store_question.h"
#include "editor/win32/dialogs/control_ids.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

constexpr int kWidth = 7500;
constexpr int kHeight = 4500;

using namespace ids;
using namespace ids::program;

// The part of an id (base, tab, entry); false for ids of no entry.
bool Split(int id, int& base, int& tab, int& entry) {
    if (id < kProgramLabel || id >= kProgramLabel + 200) return false;
    const int offset = id - kProgramLabel;
    tab = offset / 100;
    entry = (offset % 100) / 10;
    base = kProgramLabel + offset % 10;
    return entry < definition::kEntryCount;
}

}  // namespace

ProgramDialogWindow::ProgramDialogWindow(dialogs::DialogHost& host, ui::win32::FatalReport& report,
                                         dialogs::ProgramDialogKind kind, int page)
    : DefinitionDialog(host, report, dialogs::TraitsOf(kind).closeLocation),
      model_(kind, host.Model(), page) {}

bool ProgramDialogWindow::Open(HWND owner) {
    return OpenWith(owner, dialogs::TraitsOf(model_.kind()).caption, kWidth, kHeight);
}

void ProgramDialogWindow::OnInit() {
    const dialogs::ProgramDialogTraits& traits = dialogs::TraitsOf(model_.kind());
    ErrorLocation location(Host().Error(), traits.openLocation);
    const int tabCount = traits.showsEndTab ? 2 : 1;
    MakeTabs(tabs_, kWidth, 3660, std::span(dialogs::kProgramTabCaptions).first(tabCount));
    for (int tab = 0; tab < tabCount; ++tab) {
        MakePage(tab);
        ShowBoxes(tab, model_.BoxesOf(tab));
    }
    MakeClosingButtons(Controls(), 3120, 3930);
    tabs_.Select(0);
    FocusControl(IdOf(kProgram, 0, 0));
}

void ProgramDialogWindow::MakePage(int tab) {
    const ui::win32::ControlMaker page = tabs_.Controls(tab);
    for (int entry = 0; entry < definition::kEntryCount; ++entry) {
        const int top = 120 + entry * 1560;
        const std::size_t e = static_cast<std::size_t>(entry);
        Add(page, L"STATIC", dialogs::kProgramLabels[e], SS_LEFT | SS_NOPREFIX | WS_GROUP,
            IdOf(kProgramLabel, tab, entry), {120, top + 30, 1500, 270});
        Edit(page, IdOf(kProgram, tab, entry), {1680, top, 4500, 330});
        Add(page, L"BUTTON", "参照", WS_TABSTOP, IdOf(kBrowse, tab, entry), {6240, top - 15, 860, 360});
        Label(page, dialogs::kArgumentLabels[e], IdOf(kArgumentsLabel, tab, entry),
              {120, top + 450, 1500, 270});
        Edit(page, IdOf(kArguments, tab, entry), {1680, top + 420, 5420, 330});
        Add(page, L"BUTTON", dialogs::kEntryWaitCaptions[0], BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
            IdOf(kNoWait, tab, entry), {1680, top + 870, 2000, 300});
        Add(page, L"BUTTON", dialogs::kEntryWaitCaptions[1], BS_AUTORADIOBUTTON, IdOf(kWait, tab, entry),
            {3840, top + 870, 2000, 300});
    }
}

dialogs::ProgramTabBoxes ProgramDialogWindow::ReadBoxes(int tab) const {
    dialogs::ProgramTabBoxes boxes;
    for (int entry = 0; entry < definition::kEntryCount; ++entry) {
        dialogs::ProgramEntryBoxes& box = boxes[static_cast<std::size_t>(entry)];
        box.program = Text(IdOf(kProgram, tab, entry));
        box.arguments = Text(IdOf(kArguments, tab, entry));
        box.waitOption = Checked(IdOf(kNoWait, tab, entry)) ? 0 : Checked(IdOf(kWait, tab, entry)) ? 1 : -1;
    }
    return boxes;
}

void ProgramDialogWindow::ShowBoxes(int tab, const dialogs::ProgramTabBoxes& boxes) {
    for (int entry = 0; entry < definition::kEntryCount; ++entry) {
        const dialogs::ProgramEntryBoxes& box = boxes[static_cast<std::size_t>(entry)];
        SetText(IdOf(kProgram, tab, entry), box.program);
        SetText(IdOf(kArguments, tab, entry), box.arguments);
        // A wait mode neither option stands for leaves the options as they are.
        if (box.waitOption >= 0) {
            SetChecked(IdOf(kNoWait, tab, entry), box.waitOption == 0);
            SetChecked(IdOf(kWait, tab, entry), box.waitOption == 1);
        }
    }
}

void ProgramDialogWindow::SwitchTo(int tab) {
    ErrorLocation location(Host().Error(), dialogs::TraitsOf(model_.kind()).tabLocation);
    const int shown = model_.shownTab();
    if (model_.SwitchTab(tab, ReadBoxes(shown))) ShowBoxes(tab, model_.BoxesOf(tab));
    tabs_.Select(model_.shownTab());
}

void ProgramDialogWindow::Ok() {
    ErrorLocation location(Host().Error(), dialogs::TraitsOf(model_.kind()).okLocation);
    model_.SaveShownTab(ReadBoxes(model_.shownTab()));
    const dialogs::ProgramCheckResult checks = model_.Check(Host().SearchFolders(), Host().Files());
    const dialogs::ProgramFailure* refused = dialogs::FirstRefused(
        checks.failures, [this](const std::string& question) { return ConfirmStore(question); });
    if (refused) {
        SwitchTo(refused->tab);
        FocusControl(IdOf(kProgram, refused->tab, refused->entry));
        return;
    }
    model_.Store(Host().Model(), checks);
    Close(true, false);
}

void ProgramDialogWindow::OnCommand(int id, int notification) {
    const dialogs::ProgramDialogTraits& traits = dialogs::TraitsOf(model_.kind());
    if (id == IDOK && notification == BN_CLICKED) {
        Ok();
        return;
    }
    if (id == IDCANCEL) {
        ErrorLocation location(Host().Error(), traits.cancelLocation);
        Close(false, false);
        return;
    }
    if (id == kHelp && notification == BN_CLICKED) {
        ErrorLocation location(Host().Error(), traits.helpLocation);
        Host().ShowHelp(traits.helpContext);
        return;
    }
    int base = 0;
    int tab = 0;
    int entry = 0;
    if (!Split(id, base, tab, entry)) return;
    if (base == kBrowse && notification == BN_CLICKED) {
        ErrorLocation location(Host().Error(), traits.browseLocation);
        if (const auto chosen = Browse(dialogs::kProgramBrowse, Host().ProgramPickFolder())) {
            SetText(IdOf(kProgram, tab, entry), *chosen);
            model_.SetBrowsedProgram(entry, *chosen);
        }
        return;
    }
    if (base == kProgram || base == kArguments) {
        if (SelectAllOnEntry(id, notification)) return;
        if (base == kProgram && notification == EN_KILLFOCUS) {
            const std::string text = Text(id);
            const std::string trimmed = TrimBlanks(text);
            if (trimmed != text) SetText(id, trimmed);
        }
    }
}

INT_PTR ProgramDialogWindow::OnOtherMessage(UINT message, WPARAM, LPARAM lParam) {
    if (!IsPageChange(tabs_, message, lParam)) return FALSE;
    SwitchTo(tabs_.Selected());
    return TRUE;
}

}  // namespace torva::editor::win32
