#pragma once
// Keys on the editor's preview: the arrow keys move the selection between the slots and the two
// titles (the table differs per display mode), Enter opens the selected element's dialog, and the page
// keys change the page whichever element has the focus.

namespace torva::editor {

enum class EditorKey { Enter, Up, Down, Left, Right, Home, PageUp, PageDown, End };

enum class KeyEffect {
    None,
    Select,      // select KeyResult::target (a slot 1..24 or a title 91/92)
    OpenDialog,  // open the dialog of the selected element
    FirstPage,
    PreviousPage,
    NextPage,
    LastPage,
};

struct KeyResult {
    KeyEffect effect = KeyEffect::None;
    int target = 0;

    bool operator==(const KeyResult&) const = default;
};

// What a key does on the element focusIndex (slot 1..24, title 91 or 92) in a display mode 1..9.
// Page keys are answered whatever the element; whether the page may change is for the caller to check
// (see PageMoveAllowed).
KeyResult KeyOnElement(int displayMode, int focusIndex, EditorKey key);

// The page after a page move from current, or 0 when the move is not possible (the first-page and
// previous-page items are greyed on page 1, the next-page and last-page items on page 99).
int PageAfterMove(int current, KeyEffect move);

}  // namespace torva::editor
