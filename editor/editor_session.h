#pragma once
// The editor's main window without its window: what each menu command, key, focus change and drop
// does to the model and to the window state, when the save question is asked and what its answers do,
// and what the window must show afterwards. The Win32 window turns messages into these calls and
// draws the result.

#include <optional>
#include <string>
#include <string_view>

#include "definition/definition_store.h"
#include "definition/menu_definition.h"
#include "editor/editor_host.h"
#include "editor/editor_menu.h"
#include "editor/focus_keys.h"
#include "editor/window_state.h"
#include "platform/files.h"

namespace torva::editor {

// What the window does after a call, beyond redrawing.
enum class WindowRequest {
    None,
    Close,         // end the editor (exit, return to the runtime, a close that was allowed)
    ButtonDialog,  // for slot focusIndex of currentPage
    TitleDialog,   // for title focusIndex - 90
    BarTitleDialog,
    PageStartDialog,
    StartEndDialog,
    TimedStartDialog,
    VersionBox,
    Help,
};

// What must be redrawn. Layout includes a render; both consume the flag when taken.
struct ViewUpdate {
    bool layout = false;  // applyDisplayMode: window size, menu bar form, placement, render, selection
    bool render = false;  // MENU_SET: the current page
    bool selection = false;

    bool operator==(const ViewUpdate&) const = default;
};

// Why the model is about to be discarded: a close may go on after the save-as dialog was cancelled,
// other commands stop then.
enum class DiscardReason { NewDefinition, Open, Convert, ReturnToRuntime, Close };

class EditorSession {
  public:
    EditorSession(definition::MenuDefinition& def, definition::DefinitionStore& store,
                  platform::FileSystem& files, EditorHost& host, std::string programFolder);

    // The window's first steps: an empty model and clipboards, page 1, then the definition named on the
    // command line (the text after the program name), if any.
    void Start(std::string_view commandLine);

    // A menu item or its twin.
    WindowRequest Command(MenuId id);
    // A key pressed on the selected element.
    WindowRequest Key(EditorKey key);
    // An element took the keyboard focus.
    void Focus(int focusIndex);
    // The window is being closed in any way; false keeps it open.
    bool RequestClose();
    // A definition dialog ended. stored: OK put its values into the model; redraw: the page looks
    // different and is drawn again when the window is active again.
    void DialogClosed(bool stored, bool redraw);
    // The window became active again.
    void Activated();
    // A dropped file filled slot `slot` of the current page.
    void SlotFilledByDrop(int slot);

    void NewDefinition();
    void Open();
    bool Save();
    void SaveAs();
    void Convert();
    void TextOutput();
    WindowRequest ReturnToRuntime();
    void SelectDisplayMode(int mode);
    void ToggleCheckItem(MenuId id);
    void MovePage(KeyEffect move);

    // The save question when the model is dirty; true when the discarding command may go on.
    bool ConfirmDiscard(DiscardReason reason);

    ViewUpdate TakeViewUpdate();
    const EditorWindowState& state() const { return state_; }
    EditorWindowState& state() { return state_; }
    const definition::MenuDefinition& model() const { return def_; }
    definition::MenuDefinition& model() { return def_; }
    definition::DefinitionStore& store() { return store_; }
    // The command line that returns to the runtime with the open definition.
    std::string RuntimeCommandLine() const;

  private:
    enum class SaveAsResult { Saved, Cancelled, Failed };

    SaveAsResult SaveAsFlow();
    bool WriteTo(const std::string& path);
    void ReadCurrentPath();
    void AfterLoad();
    void ReportRead(const definition::ReadResult& result);
    void ClearModelKeepingSettings();
    void NormaliseSelection();
    void RequestLayout() { view_.layout = true; }
    void RequestRender() { view_.render = true; }
    WindowRequest Edit(MenuId id);

    definition::MenuDefinition& def_;
    definition::DefinitionStore& store_;
    platform::FileSystem& files_;
    EditorHost& host_;
    EditorWindowState state_;
    ViewUpdate view_;
};

}  // namespace torva::editor
