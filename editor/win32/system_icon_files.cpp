#include "editor/win32/system_icon_files.h"

#include "menuview/win32/icon_file.h"

namespace torva::editor {

int SystemIconFiles::IconCount(const std::string& path) const {
    if (path.empty()) return 0;
    // Counted from the file's resources as the menu counts them, without loading the shell for it;
    // a missing or iconless file gives 0.
    return menuview::win32::IconFile(path).Count();
}

}  // namespace torva::editor
