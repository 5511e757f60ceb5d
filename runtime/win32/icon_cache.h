#pragma once
// Button icons, extracted from their files on the first draw of a page and kept for later draws.

#include <windows.h>

#include <array>
#include <string>

#include "platform/win32/unique_handle.h"
#include "definition/menu_definition.h"

namespace torva::runtime::win32 {

class IconCache {
  public:
    // The icon of button (1..24) of page (1..99) from its source "file" or "file|index": the
    // small icon when small is set, the large one otherwise. Null when the file holds no icon.
    HICON Get(int page, int button, const std::string& source, bool small);

  private:
    struct Slot {
        bool tried = false;
        torva::win32::UniqueIcon icon;
    };
    std::array<std::array<Slot, definition::kMaxButtons>, definition::kPageCount> slots_{};
};

}  // namespace torva::runtime::win32
