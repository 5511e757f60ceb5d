#pragma once
// The icon images of the editor's slots: each slot of each page owns a large and a small image made
// from its icon source by the editor's icon rules. A slot whose source (or its base) changed gets new
// images and the old ones are released; clearing the model releases them all.

#include <windows.h>

#include <map>
#include <string>
#include <utility>

#include "definition/definition_store.h"
#include "editor/icon_files.h"
#include "menuview/win32/icon_images.h"
#include "platform/win32/unique_handle.h"

namespace torva::editor::win32 {

class EditorSlotIcons : public menuview::win32::SlotIcons {
  public:
    EditorSlotIcons(definition::DefinitionStore& store, const platform::FileSystem& files,
                    const IconFiles& icons)
        : store_(store), files_(files), icons_(icons) {}

    HICON Icon(int page, int button, const std::string& source, bool small) override;
    void Clear() { slots_.clear(); }

  private:
    struct Images {
        std::string source;
        uint8_t base = 0;
        std::string definitionFolder;  // a relative source names another file once the folder moved
        torva::win32::UniqueIcon large;
        torva::win32::UniqueIcon small;
    };

    definition::DefinitionStore& store_;
    const platform::FileSystem& files_;
    const IconFiles& icons_;
    std::map<std::pair<int, int>, Images> slots_;
};

}  // namespace torva::editor::win32
