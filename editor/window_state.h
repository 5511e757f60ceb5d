#pragma once
// The state of the editor's main window that outlives any one command: the page shown, the selected
// element, the open file, the changed flag, the remembered dialog folders and the two clipboards.

#include <cstdint>
#include <string>

#include "definition/menu_definition.h"

namespace torva::editor {

// focusIndex values beside the slots 1..24.
inline constexpr int kNoFocus = 0;
inline constexpr int kMainTitle = 91;  // titles[0]
inline constexpr int kSubTitle = 92;   // titles[1]
inline constexpr int kFirstPage = 1;
inline constexpr int kLastPage = definition::kPageCount;

constexpr bool IsSlot(int focusIndex) {
    return focusIndex >= 1 && focusIndex <= definition::kMaxButtons;
}
constexpr bool IsTitle(int focusIndex) {
    return focusIndex == kMainTitle || focusIndex == kSubTitle;
}

struct EditorWindowState {
    int currentPage = kFirstPage;
    int focusIndex = kNoFocus;
    std::string currentPath;  // empty = untitled
    bool dirty = false;
    bool redrawOnActivate = false;
    bool startedByRuntime = false;
    std::string programFolder;
    std::string menuFileFolder;
    std::string programPickFolder;
    std::string picturePickFolder;
    std::string textFileFolder;
    definition::MenuButton buttonClipboard;
    definition::PageTitle titleClipboard;

    bool titled() const { return !currentPath.empty(); }

    void RememberAllFolders(const std::string& folder) {
        menuFileFolder = programPickFolder = picturePickFolder = textFileFolder = folder;
    }
};

}  // namespace torva::editor
