#pragma once
// Copy, cut, paste and delete of one element of a page, through the editor's own two clipboards (one
// for buttons, one for titles; nothing goes to the system clipboard), and the test that decides
// whether a page is written at all.

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "editor/window_state.h"

namespace torva::editor {

// Every stored field of the button (its icon images are derived, not stored).
void CopyButton(const definition::MenuButton& source, definition::MenuButton& clipboard);
// Text, font and colours of the title.
void CopyTitle(const definition::PageTitle& source, definition::PageTitle& clipboard);

// Empties a button but keeps its font (name, style, size) and the bases of its icon and program, so
// that a slot refilled later keeps the look chosen for it.
void DeleteButton(definition::MenuButton& button);
// Empties a title's text and colours; its font stays.
void DeleteTitle(definition::PageTitle& title);

// Whether the page holds anything to write: a bar title (unless every page shows page 1's), a page
// start program, a title or one of the first buttonsPerPage slots that differs from an empty element.
// Notes at on entry.
bool pageInUse(const definition::MenuPage& page, int buttonsPerPage, bool commonBackground,
               const StepLocation& at = {});

enum class EditCommand { Copy, Cut, Paste, Delete };

// Applies the command to the selected element of the current page. Returns true when the page changed
// (paste, cut, delete); the page's defined flag then follows pageInUse. Nothing happens without a
// selected slot (1..buttonsPerPage) or title. pageTest is handed to pageInUse.
bool EditElement(EditCommand command, definition::MenuDefinition& def, EditorWindowState& state,
                 const StepLocation& pageTest = {});

}  // namespace torva::editor
