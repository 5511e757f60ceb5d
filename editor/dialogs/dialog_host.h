#pragma once
// What the definition dialogs need from the editor they run in. The main window implements it over
// its session; the dialogs never reach the window's state any other way.
//
// The Win32 side opens each dialog through one call of editor/win32/dialogs/definition_dialogs.h
// (for example OpenButton(owner, page, slot)); it disables the owner, shows the dialog modeless and,
// when the dialog ends, enables the owner, brings it forward and calls DialogClosed.

#include <string>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "editor/icon_files.h"
#include "platform/files.h"

namespace torva::editor::dialogs {

class DialogHost {
  public:
    virtual ~DialogHost() = default;

    virtual definition::MenuDefinition& Model() = 0;
    // The folders relative paths are found in (definition, program, Windows, System folder).
    virtual const definition::SearchFolders& SearchFolders() const = 0;
    virtual platform::FileSystem& Files() = 0;
    virtual const IconFiles& Icons() const = 0;

    // The program folder, which is the current directory again after every browse dialog.
    virtual const std::string& ProgramFolder() const = 0;
    // The folders the program and picture browse dialogs start in; a choice updates them.
    virtual std::string& ProgramPickFolder() = 0;
    virtual std::string& PicturePickFolder() = 0;

    // Loads the icon images of a slot again from its icon source (after OK of the button dialog).
    virtual void RefreshButtonIcon(int page, int slot) = 0;
    // Opens the help at a topic (6 button, 14 start/end programs, 29 timed starts, 32 page start
    // programs; 0 the contents).
    virtual void ShowHelp(int context) = 0;

    // The dialog ended. stored: OK stored into the model (the definition is changed); redraw: the page
    // picture changed and is drawn again when the main window is active again.
    virtual void DialogClosed(bool stored, bool redraw) = 0;

    // The editor's error state: each handler names its location here.
    virtual ErrorState& Error() = 0;
};

}  // namespace torva::editor::dialogs
