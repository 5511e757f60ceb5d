#pragma once
// The icon images of the editor's slots: each slot of each page holds a large and a small image made
// from its icon source by the editor's icon rules, each size when a page first shows it. Slots
// naming the same icon of the same file share one image (menus repeat their programs' icons from
// page to page), which goes when the last slot holding it lets go: a slot whose source (or its
// base) changed drops its images, and clearing the model drops them all. A file is read once for
// both its icon count and its images, and let go once the page is drawn. The function-key marks
// come from the runtime's program file, each when a page first shows it.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "definition/definition_store.h"
#include "editor/button_icon.h"
#include "editor/icon_files.h"
#include "menuview/win32/icon_file.h"
#include "menuview/win32/icon_images.h"
#include "platform/win32/unique_handle.h"

namespace torva::editor::win32 {

class EditorSlotIcons : public menuview::win32::SlotIcons {
  public:
    // keyMarkFile: the runtime's program file, which holds the function-key marks.
    EditorSlotIcons(definition::DefinitionStore& store, const platform::FileSystem& files,
                    std::string keyMarkFile)
        : store_(store), files_(files), keyMarkFile_(std::move(keyMarkFile)) {}

    HICON Icon(int page, int button, const std::string& source, bool small) override;
    // The mark of button 1..24; null when the file holds none.
    HICON KeyMark(int button);
    // The files stay open only while a page is drawn, so that the editor never holds them.
    void PageDone() override;
    void Clear() { slots_.clear(); }

  private:
    // The files asked for their icon count while a page is drawn, kept for their images.
    struct OpenFiles : IconFiles {
        int IconCount(const std::string& path) const override;
        const menuview::win32::IconFile& Open(const std::string& path) const;
        mutable std::map<std::string, menuview::win32::IconFile> files;
    };

    using SharedIcon = std::shared_ptr<const torva::win32::UniqueIcon>;
    struct Image {
        bool made = false;
        SharedIcon icon;
    };
    struct Images {
        std::string source;
        uint8_t base = 0;
        std::string definitionFolder;  // a relative source names another file once the folder moved
        std::optional<IconPick> pick;  // the file and number the source names; none: no icon
        Image large;
        Image small;
    };

    definition::DefinitionStore& store_;
    const platform::FileSystem& files_;
    std::string keyMarkFile_;
    OpenFiles open_;
    std::map<std::pair<int, int>, Images> slots_;
    // The images the slots hold, by file (upper-cased: file names ignore case), number and size.
    using ImageKey = std::tuple<std::string, int, bool>;
    SharedIcon Extract(const IconPick& pick, bool small);
    std::map<ImageKey, std::weak_ptr<const torva::win32::UniqueIcon>> shared_;
    std::map<int, torva::win32::UniqueIcon> keyMarks_;
};

}  // namespace torva::editor::win32
