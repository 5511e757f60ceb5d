#include "editor/dialogs/browse_filters.h"

namespace torva::editor::dialogs {

std::string FilterText(std::span<const FileFilter> filters) {
    std::string text;
    for (const FileFilter& filter : filters) {
        text += filter.description;
        text += '\0';
        text += filter.pattern;
        text += '\0';
    }
    text += '\0';
    return text;
}

}  // namespace torva::editor::dialogs
