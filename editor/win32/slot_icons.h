#pragma once
// The icon images of the editor's slots: each slot of each page owns a large and a small image made
// from its icon source by the editor's icon rules. A slot whose source (or its base) changed gets new
// images and the old ones are released; clearing the model releases them all. A file is read once
// for both its icon count and its images, and let go once the page is drawn.

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "definition/definition_store.h"
#include "editor/icon_files.h"
#include "menuview/win32/icon_file.h"
#include "menuview/win32/icon_images.h"
#include "platform/win32/unique_handle.h"

namespace torva::editor::win32 {

class EditorSlotIcons : public menuview::win32::SlotIcons {
  public:
    EditorSlotIcons(definition::DefinitionStore& store, const platform::FileSystem& files)
        : store_(store), files_(files) {}

    HICON Icon(int page, int button, const std::string& source, bool small) override;
    // The files stay open only while a page is drawn, so that the editor never holds them.
    void PageDone() override { open_.files.clear(); }
    void Clear() { slots_.clear(); }

  private:
    // The files asked for their icon count while a page is drawn, kept for their images.
    struct OpenFiles : IconFiles {
        int IconCount(const std::string& path) const override;
        const menuview::win32::IconFile& Open(const std::string& path) const;
        mutable std::map<std::string, menuview::win32::IconFile> files;
    };

    struct Images {
        std::string source;
        uint8_t base = 0;
        std::string definitionFolder;  // a relative source names another file once the folder moved
        torva::win32::UniqueIcon large;
        torva::win32::UniqueIcon small;
    };

    definition::DefinitionStore& store_;
    const platform::FileSystem& files_;
    OpenFiles open_;
    std::map<std::pair<int, int>, Images> slots_;
};

}  // namespace torva::editor::win32
