#pragma once
// What a file or folder dropped onto the editor's preview does: the slot under the drop point takes
// the dropped item as a program button with its name as caption and its icon.

#include <span>
#include <string>

#include "editor/file_icon.h"
#include "definition/menu_definition.h"

namespace torva::editor {

struct SlotRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// 1-based number of the first slot whose rectangle holds the point (edges included); 0 for none.
int SlotAtPoint(std::span<const SlotRect> slots, int x, int y);

struct DroppedItem {
    std::string path;  // as dropped; the button's program
    bool isFolder = false;
    std::string caption;     // the file name, or the full path of a folder
    std::string workFolder;  // the file's folder ("X:\" for a root), empty for a folder
    std::string iconSource;  // never empty: the generic icon when nothing better was found
};

// Describes a dropped path: caption, working folder and icon source.
DroppedItem DescribeDrop(const std::string& path, const IconLookup& env);

// Fills button slot `slot` (1-based) of the page: the page becomes defined, the button runs the dropped
// item. Its PF flag, font, colours, comment, password and guide stay.
void FillSlotFromDrop(definition::MenuPage& page, int slot, const DroppedItem& item);

}  // namespace torva::editor
