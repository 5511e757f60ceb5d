#include "editor/editor_session.h"

#include "common/path.h"
#include "editor/element_edit.h"
#include "editor/location_codes.h"
#include "editor/start_command.h"

namespace torva::editor {

EditorSession::EditorSession(definition::MenuDefinition& def, definition::DefinitionStore& store,
                             platform::FileSystem& files, EditorHost& host, std::string programFolder)
    : def_(def), store_(store), files_(files), host_(host) {
    state_.programFolder = std::move(programFolder);
    state_.RememberAllFolders(state_.programFolder);
}

void EditorSession::Start(std::string_view commandLine) {
    store_.clearDefinition();
    state_.buttonClipboard = {};
    state_.titleClipboard = {};
    def_.commonBackground = false;
    state_.currentPage = kFirstPage;
    state_.focusIndex = kNoFocus;
    const StartCommand command = ParseStartCommand(commandLine, state_.programFolder);
    state_.startedByRuntime = command.startedByRuntime;
    if (!command.path.empty()) {
        state_.currentPath = command.path;
        ReadCurrentPath();
        state_.RememberAllFolders(FolderPart(command.path));
    }
    NormaliseSelection();
    RequestLayout();
}

WindowRequest EditorSession::Command(MenuId id) {
    if (const int mode = ModeOfItem(id); mode != 0) {
        SelectDisplayMode(mode);
        return WindowRequest::None;
    }
    if (IsOptionItem(id)) {
        ToggleCheckItem(id);
        return WindowRequest::None;
    }
    // A command whose item is hidden or greyed cannot be chosen from the menu, but its accelerator or
    // its twin may still arrive: the item's state decides.
    const ItemState item = MenuItemState(id, def_, state_);
    if (!item.enabled || !item.visible) return WindowRequest::None;
    switch (id) {
        case MenuId::FileNew:
            NewDefinition();
            break;
        case MenuId::FileOpen:
            Open();
            break;
        case MenuId::FileUpdate:
            Save();
            break;
        case MenuId::FileAdd:
            SaveAs();
            break;
        case MenuId::FileConv:
            Convert();
            break;
        case MenuId::FileText:
            TextOutput();
            break;
        case MenuId::FileExit:
            return RequestClose() ? WindowRequest::Close : WindowRequest::None;
        case MenuId::FileReturn:
            return ReturnToRuntime();
        case MenuId::EditCut:
        case MenuId::EditCopy:
        case MenuId::EditPaste:
        case MenuId::EditDel:
            return Edit(id);
        case MenuId::EditVar:
            return WindowRequest::BarTitleDialog;
        case MenuId::EditPstr:
            return WindowRequest::PageStartDialog;
        case MenuId::EditStend:
            return WindowRequest::StartEndDialog;
        case MenuId::EditTime:
            return WindowRequest::TimedStartDialog;
        case MenuId::DispTop:
            MovePage(KeyEffect::FirstPage);
            break;
        case MenuId::DispBefore:
            MovePage(KeyEffect::PreviousPage);
            break;
        case MenuId::DispNext:
            MovePage(KeyEffect::NextPage);
            break;
        case MenuId::DispEnd:
            MovePage(KeyEffect::LastPage);
            break;
        case MenuId::HelpTopic:
            return WindowRequest::Help;
        case MenuId::HelpVersion:
            return WindowRequest::VersionBox;
        default:
            break;
    }
    return WindowRequest::None;
}

WindowRequest EditorSession::Edit(MenuId id) {
    EditCommand command = EditCommand::Copy;
    switch (id) {
        case MenuId::EditCut:
            command = EditCommand::Cut;
            break;
        case MenuId::EditPaste:
            command = EditCommand::Paste;
            break;
        case MenuId::EditDel:
            command = EditCommand::Delete;
            break;
        default:
            break;
    }
    if (EditElement(command, def_, state_, store_.at(location::kPageInUse))) {
        state_.dirty = true;
        RequestRender();
    }
    return WindowRequest::None;
}

WindowRequest EditorSession::Key(EditorKey key) {
    const KeyResult result = KeyOnElement(def_.displayMode, state_.focusIndex, key);
    switch (result.effect) {
        case KeyEffect::None:
            return WindowRequest::None;
        case KeyEffect::Select:
            Focus(result.target);
            return WindowRequest::None;
        case KeyEffect::OpenDialog:
            return IsTitle(state_.focusIndex) ? WindowRequest::TitleDialog : WindowRequest::ButtonDialog;
        default:
            MovePage(result.effect);
            return WindowRequest::None;
    }
}

void EditorSession::Focus(int focusIndex) {
    if (focusIndex == state_.focusIndex) return;
    const bool slot = focusIndex >= 1 && focusIndex <= definition::ButtonsForMode(def_.displayMode);
    if (!slot && !IsTitle(focusIndex)) return;
    state_.focusIndex = focusIndex;
    view_.selection = true;
}

void EditorSession::MovePage(KeyEffect move) {
    const int page = PageAfterMove(state_.currentPage, move);
    if (page == 0) return;
    state_.currentPage = page;
    RequestRender();
}

void EditorSession::SelectDisplayMode(int mode) {
    if (mode < 1 || mode > definition::kDisplayModeCount || mode == def_.displayMode) return;
    def_.displayMode = mode;
    def_.buttonsPerPage = definition::ButtonsForMode(mode);
    NormaliseSelection();
    RequestLayout();
    state_.dirty = true;
}

void EditorSession::ToggleCheckItem(MenuId id) {
    if (!IsOptionItem(id)) return;
    ToggleOptionItem(id, def_.options);
    // The frame and the function-key marks are painted on the page.
    if (id == MenuId::DispFrame || id == MenuId::DispFunction) RequestRender();
    state_.dirty = true;
}

void EditorSession::DialogClosed(bool stored, bool redraw) {
    if (stored) state_.dirty = true;
    if (stored || redraw) state_.redrawOnActivate = true;
}

void EditorSession::Activated() {
    if (!state_.redrawOnActivate) return;
    state_.redrawOnActivate = false;
    definition::MenuPage& page = def_.Page(state_.currentPage);
    page.defined = pageInUse(page, definition::ButtonsForMode(def_.displayMode), def_.commonBackground,
                             store_.at(location::kPageInUse));
    RequestRender();
}

void EditorSession::SlotFilledByDrop(int slot) {
    Focus(slot);
    state_.dirty = true;
    RequestRender();
}

void EditorSession::NormaliseSelection() {
    const int n = definition::ButtonsForMode(def_.displayMode);
    if (state_.focusIndex == kNoFocus) state_.focusIndex = kMainTitle;
    // The vertical bar keeps its titles outside the window, and slots beyond the mode's count are
    // hidden: neither can hold a visible selection.
    if (def_.displayMode == 7 && IsTitle(state_.focusIndex)) state_.focusIndex = 1;
    if (IsSlot(state_.focusIndex) && state_.focusIndex > n) state_.focusIndex = 1;
    view_.selection = true;
}

ViewUpdate EditorSession::TakeViewUpdate() {
    ViewUpdate update = view_;
    view_ = {};
    return update;
}

std::string EditorSession::RuntimeCommandLine() const {
    return JoinPath(state_.programFolder, "TORVA.EXE") + " \"" + state_.currentPath + "\"";
}

}  // namespace torva::editor
