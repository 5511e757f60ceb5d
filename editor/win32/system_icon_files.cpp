#include "editor/win32/system_icon_files.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace torva::editor {

int SystemIconFiles::IconCount(const std::string& path) const {
    if (path.empty()) return 0;
    // Index -1 with no output arrays asks for the count alone; a missing or iconless file gives 0.
    const UINT count = ExtractIconExW(torva::win32::Wide(path).c_str(), -1, nullptr, nullptr, 0);
    return count == UINT_MAX ? 0 : static_cast<int>(count);
}

}  // namespace torva::editor
