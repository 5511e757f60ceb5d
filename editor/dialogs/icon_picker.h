#pragma once
// The icon picker of the button dialog: which file's icons are loaded, which icon is chosen, and which
// ten of them the cells show. The Win32 side extracts the images this model asks for and paints the
// cells it describes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/path_check.h"
#include "editor/icon_files.h"
#include "platform/files.h"

namespace torva::editor::dialogs {

inline constexpr int kIconCells = 10;

// What the images must become after a change of file.
struct IconLoad {
    bool changed = false;  // false: keep the images as they are
    std::string path;      // absolute path to extract from; empty when nothing is to be loaded
    int count = 0;         // number of large images to extract from index 0 (0: none)
};

struct IconCell {
    int index = -1;         // icon index shown in the cell; -1 for an empty cell
    bool selected = false;  // drawn on blue: the chosen icon under the scroll bar's position
};

class IconPicker {
  public:
    // Where the extension of each icon file is noted (the editor's error state and number).
    void NoteExtensionIn(StepLocation at) { extensionStep_ = at; }

    // Opening: the button's icon source "file" or "file|index" with its base. A relative file is taken
    // from its base's folder when it is there, else from the first search folder holding it; the base
    // itself stays the button's. The chosen index stays, except that a program or library without an
    // icon of that index gives 0.
    IconLoad Open(std::string_view source, uint8_t base, const definition::SearchFolders& folders,
                  const platform::FileSystem& files, const IconFiles& icons);

    // The icon file box was left or a file was browsed for: a different text loads that file's icons and
    // resets the choice to the first icon; the same text changes nothing.
    IconLoad Load(std::string_view text, const definition::SearchFolders& folders,
                  const platform::FileSystem& files, const IconFiles& icons);

    std::array<IconCell, kIconCells> Cells() const;

    // The scroll bar runs from 0 to ScrollMax() and stands at cursor().
    int ScrollMax() const { return count_ > 0 ? count_ - 1 : 0; }

    // The scroll bar moved to pos; true when the cells must be painted again. The choice follows the
    // bar while it was on the chosen icon.
    bool Scroll(int pos);

    // A click on cell k (0..9): true when it chose an icon.
    bool Click(int cell);

    // The icon source OK stores for the text of the icon file box.
    std::string StoredSource(std::string_view fileText) const;

    const std::string& file() const { return file_; }
    uint8_t fileBase() const { return fileBase_; }
    int count() const { return count_; }
    int selected() const { return selected_; }
    int cursor() const { return cursor_; }
    int firstVisible() const { return firstVisible_; }

  private:
    struct Found {
        std::string path;
        std::string extension;
        uint8_t base = 0;
    };
    bool Locate(std::string_view text, uint8_t preferredBase, const definition::SearchFolders& folders,
                const platform::FileSystem& files, Found& found) const;
    IconLoad CountAndLoad(const Found& found, const IconFiles& icons);
    void Reset();
    void ShowSelection();

    StepLocation extensionStep_;
    std::string file_;
    uint8_t fileBase_ = 0;
    int count_ = 0;
    int selected_ = 0;
    int cursor_ = 0;
    int firstVisible_ = 0;
};

}  // namespace torva::editor::dialogs
