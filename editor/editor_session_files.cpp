// The File menu of the editor: new, open, save, save as, convert, text output, return to the runtime
// and close, with the save question in front of every command that discards the model.

#include "common/path.h"
#include "definition/convert_definition.h"
#include "definition/definition_listing.h"
#include "editor/editor_session.h"

namespace torva::editor {

namespace {

// After a file dialog the editor works from its program folder again; when that folder is gone there
// is no better one to be in, so a failure changes nothing.
void ReturnToFolder(platform::FileSystem& files, const std::string& folder) {
    static_cast<void>(files.SetCurrentFolder(folder));
}

}  // namespace

bool EditorSession::ConfirmDiscard(DiscardReason reason) {
    if (!state_.dirty) return true;
    switch (host_.AskSaveChanges()) {
        case SaveAnswer::Cancel:
            return false;
        case SaveAnswer::No:
            return true;
        case SaveAnswer::Yes:
            break;
    }
    if (state_.titled()) return WriteTo(state_.currentPath);
    switch (SaveAsFlow()) {
        case SaveAsResult::Saved:
            return true;
        case SaveAsResult::Failed:
            return false;
        case SaveAsResult::Cancelled:
            // The user asked to close and then declined to name a file: the window closes as asked.
            // Other commands stop, so that a changed model is never discarded after "Yes".
            return reason == DiscardReason::Close || reason == DiscardReason::ReturnToRuntime;
    }
    return false;
}

bool EditorSession::WriteTo(const std::string& path) {
    definition::SaveResult result;
    {
        ProgressScope progress(host_, kWritingCaption);
        result = store_.writeDefinition(path);
    }
    if (!result.ok) {
        // The model stays changed: a save that failed must not let the changes be thrown away.
        host_.ShowError(store_.showStoreError(0, 0, {}, result.runErrorNumber));
        return false;
    }
    state_.dirty = false;
    return true;
}

EditorSession::SaveAsResult EditorSession::SaveAsFlow() {
    const std::optional<std::string> chosen = host_.ChooseFile(kSaveMenuDialog, state_.menuFileFolder);
    if (!chosen) return SaveAsResult::Cancelled;
    state_.currentPath = *chosen;
    state_.menuFileFolder = FolderPart(*chosen);
    return WriteTo(state_.currentPath) ? SaveAsResult::Saved : SaveAsResult::Failed;
}

void EditorSession::ReportRead(const definition::ReadResult& result) {
    for (const definition::RuleFailure& failure : result.failures) {
        host_.ShowError(definition::FailureReportText(failure));
    }
    if (result.runErrorNumber != 0) host_.ShowError(result.ReportText());
}

void EditorSession::AfterLoad() {
    if (!state_.titled()) def_.comments.clear();
    def_.buttonsPerPage = definition::ButtonsForMode(def_.displayMode);
    NormaliseSelection();
    RequestLayout();
    state_.dirty = false;
}

void EditorSession::ReadCurrentPath() {
    definition::ReadResult result;
    {
        ProgressScope progress(host_, kReadingCaption);
        result = store_.readDefinition(state_.currentPath);
    }
    ReportRead(result);
    // A definition that could not be read to its end is no longer the file's content: saving it back
    // under the same name would cut the file short.
    if (result.stopped) state_.currentPath.clear();
    AfterLoad();
}

void EditorSession::ClearModelKeepingSettings() {
    const int mode = def_.displayMode;
    const definition::DefinitionOptions options = def_.options;
    const bool common = def_.commonBackground;
    store_.clearDefinition();
    def_.displayMode = mode;
    def_.buttonsPerPage = definition::ButtonsForMode(mode);
    def_.options = options;
    def_.commonBackground = common;
}

void EditorSession::NewDefinition() {
    if (!ConfirmDiscard(DiscardReason::NewDefinition)) return;
    ClearModelKeepingSettings();
    state_.currentPath.clear();
    def_.comments.clear();
    state_.dirty = false;
    RequestRender();
}

void EditorSession::Open() {
    if (!ConfirmDiscard(DiscardReason::Open)) return;
    if (const auto chosen = host_.ChooseFile(kOpenMenuDialog, state_.menuFileFolder)) {
        state_.currentPath = *chosen;
        ReadCurrentPath();
        state_.menuFileFolder = FolderPart(*chosen);
    }
    ReturnToFolder(files_, state_.programFolder);
    view_.selection = true;
}

bool EditorSession::Save() {
    if (!state_.titled()) return false;
    return WriteTo(state_.currentPath);
}

void EditorSession::SaveAs() {
    SaveAsFlow();
    ReturnToFolder(files_, state_.programFolder);
    view_.selection = true;
}

void EditorSession::Convert() {
    if (!ConfirmDiscard(DiscardReason::Convert)) return;
    const auto source = host_.ChooseFile(kConvertSourceDialog, state_.menuFileFolder);
    // Without a destination nothing is converted and nothing about the open file changes.
    const auto target = source ? host_.ChooseFile(kConvertTargetDialog, FolderPart(*source)) : std::nullopt;
    if (source && target) {
        state_.currentPath = *target;
        definition::ReadResult result;
        {
            ProgressScope progress(host_, kConvertingCaption);
            store_.setDefinitionFolder(*source);
            const definition::ConvertContext context{store_.folders(), files_, *source, store_.readerSteps()};
            result = definition::convertDefinitionFile(def_, context);
        }
        ReportRead(result);
        if (result.stopped) state_.currentPath.clear();
        const bool writeFailed = state_.titled() && !WriteTo(state_.currentPath);
        if (writeFailed) state_.currentPath.clear();
        AfterLoad();
        // The converted model is in no file when its writing failed: closing must still ask.
        if (writeFailed) state_.dirty = true;
        state_.menuFileFolder = FolderPart(*target);
    }
    ReturnToFolder(files_, state_.programFolder);
    view_.selection = true;
}

void EditorSession::TextOutput() {
    if (const auto chosen = host_.ChooseFile(kTextOutputDialog, state_.textFileFolder)) {
        definition::SaveResult result;
        {
            ProgressScope progress(host_, kListingCaption);
            store_.error().code = definition::kListingLocation;
            result = definition::writeListing(files_, *chosen, def_, store_.folders(), store_.listingSteps());
        }
        if (!result.ok) {
            // The steps entered while composing left their numbers; the failure is the writing's own.
            store_.error().code = definition::kListingLocation;
            host_.ShowError(store_.showStoreError(0, 0, {}, result.runErrorNumber));
        }
        state_.textFileFolder = FolderPart(*chosen);
    }
    ReturnToFolder(files_, state_.programFolder);
    view_.selection = true;
}

WindowRequest EditorSession::ReturnToRuntime() {
    if (!ConfirmDiscard(DiscardReason::ReturnToRuntime)) return WindowRequest::None;
    host_.StartProgram(RuntimeCommandLine());
    state_.dirty = false;
    return WindowRequest::Close;
}

bool EditorSession::RequestClose() {
    return ConfirmDiscard(DiscardReason::Close);
}

}  // namespace torva::editor
