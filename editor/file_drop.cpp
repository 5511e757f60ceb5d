#include "editor/file_drop.h"

#include "common/path.h"
#include "common/utf8.h"

namespace torva::editor {

int SlotAtPoint(std::span<const SlotRect> slots, int x, int y) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const SlotRect& r = slots[i];
        // 64-bit sums: a hostile rectangle cannot overflow the comparison.
        const long long right = static_cast<long long>(r.left) + r.width;
        const long long bottom = static_cast<long long>(r.top) + r.height;
        if (x >= r.left && x <= right && y >= r.top && y <= bottom) return static_cast<int>(i) + 1;
    }
    return 0;
}

DroppedItem DescribeDrop(const std::string& path, const IconLookup& env) {
    DroppedItem item;
    item.path = path;
    item.isFolder = env.files.IsFolder(path);
    if (item.isFolder) {
        item.caption = path;
    } else {
        // The last "\" at the third character or later splits folder and name; "C:\" keeps its "\".
        const auto slash = path.rfind('\\');
        if (slash != std::string::npos && CharCount(std::string_view(path).substr(0, slash)) >= 2) {
            item.caption = path.substr(slash + 1);
            item.workFolder = FolderPart(path);
        } else {
            item.caption = path;
        }
    }
    item.iconSource = DroppedIconSource(path, env);
    return item;
}

void FillSlotFromDrop(definition::MenuPage& page, int slot, const DroppedItem& item) {
    using definition::ButtonAction;
    definition::MenuButton& button = page.Button(slot);
    page.defined = true;
    // A wait mode carries over only from a button that already ran a program: the option of the other
    // actions (a remote button number, a confirmation flag) is no wait mode.
    const bool keepWaitMode = !item.isFolder && button.action == ButtonAction::Run &&
                              button.runOption <= definition::kMaxButtonWaitMode;
    button.action = ButtonAction::Run;
    button.icon = item.iconSource;
    button.iconBase = definition::kBaseAbsolute;
    button.program = item.path;
    button.programBase = definition::kBaseAbsolute;
    button.arguments.clear();
    button.targetPage = 0;
    button.caption = item.caption;
    button.workFolder = item.workFolder;
    if (!keepWaitMode) button.runOption = definition::kWaitNone;
}

}  // namespace torva::editor
