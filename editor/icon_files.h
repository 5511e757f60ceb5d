#pragma once
// Asks icon files how many icons they hold. The Win32 side answers through the system's icon
// extraction; tests answer from a table.

#include <string>

namespace torva::editor {

class IconFiles {
  public:
    virtual ~IconFiles() = default;
    // Number of icons in an icon, cursor, program or library file; 0 when none or unreadable.
    virtual int IconCount(const std::string& path) const = 0;
};

}  // namespace torva::editor
