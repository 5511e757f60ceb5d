#include "editor/element_edit.h"

#include "common/utf8.h"

namespace torva::editor {

using definition::kDefaultBackColour;
using definition::kDefaultTextColour;

void CopyButton(const definition::MenuButton& source, definition::MenuButton& clipboard) {
    clipboard = source;
}

void CopyTitle(const definition::PageTitle& source, definition::PageTitle& clipboard) {
    clipboard = source;
}

void DeleteButton(definition::MenuButton& button) {
    definition::MenuButton empty;
    empty.fontName = std::move(button.fontName);
    empty.fontStyle = std::move(button.fontStyle);
    empty.fontSize = button.fontSize;
    empty.iconBase = button.iconBase;
    empty.programBase = button.programBase;
    button = std::move(empty);
}

void DeleteTitle(definition::PageTitle& title) {
    title.text.clear();
    title.foreColour = kDefaultTextColour;
    title.backColour = kDefaultBackColour;
}

namespace {

bool Blank(const std::string& text) {
    return TrimBlanks(text).empty();
}

bool EmptyTitle(const definition::PageTitle& t) {
    return Blank(t.text) && t.foreColour == kDefaultTextColour && t.backColour == kDefaultBackColour;
}

bool EmptyButton(const definition::MenuButton& b) {
    return Blank(b.caption) && Blank(b.icon) && b.backColour == kDefaultBackColour &&
           b.foreColour == kDefaultTextColour && b.action == definition::ButtonAction::None;
}

}  // namespace

bool pageInUse(const definition::MenuPage& page, int buttonsPerPage, bool commonBackground,
               const StepLocation& at) {
    EnterStep(at);
    if (!commonBackground) {
        const definition::BarTitle& bar = page.barTitle;
        if (!Blank(bar.text) || !Blank(bar.picture) || bar.backColour != kDefaultBackColour ||
            page.pageWaitMode != definition::kWaitNone) {
            return true;
        }
    }
    // A page whose only content is a page start program is still a page to write: dropping it would
    // lose the program the user just set.
    for (const auto& start : page.pageStarts) {
        if (!Blank(start.program)) return true;
    }
    for (const auto& title : page.titles) {
        if (!EmptyTitle(title)) return true;
    }
    const int n = buttonsPerPage < 0                         ? 0
                  : buttonsPerPage > definition::kMaxButtons ? definition::kMaxButtons
                                                             : buttonsPerPage;
    for (int i = 1; i <= n; ++i) {
        if (!EmptyButton(page.Button(i))) return true;
    }
    return false;
}

bool EditElement(EditCommand command, definition::MenuDefinition& def, EditorWindowState& state,
                 const StepLocation& pageTest) {
    definition::MenuPage& page = def.Page(state.currentPage);
    const int n = definition::ButtonsForMode(def.displayMode);
    const bool slot = state.focusIndex >= 1 && state.focusIndex <= n;
    const bool title = IsTitle(state.focusIndex);
    if (!slot && !title) return false;

    if (command == EditCommand::Copy || command == EditCommand::Cut) {
        if (slot) CopyButton(page.Button(state.focusIndex), state.buttonClipboard);
        if (title) CopyTitle(page.Title(state.focusIndex - 90), state.titleClipboard);
        if (command == EditCommand::Copy) return false;
    }
    if (command == EditCommand::Paste) {
        if (slot) page.Button(state.focusIndex) = state.buttonClipboard;
        if (title) page.Title(state.focusIndex - 90) = state.titleClipboard;
    } else {
        if (slot) DeleteButton(page.Button(state.focusIndex));
        if (title) DeleteTitle(page.Title(state.focusIndex - 90));
    }
    page.defined = pageInUse(page, n, def.commonBackground, pageTest);
    return true;
}

}  // namespace torva::editor
