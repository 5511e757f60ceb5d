#pragma once
// Which icon a button shows for its icon source ("file" or "file|number"): the rules the editor applies
// when a slot's icon is refreshed and when a definition is read. The images themselves are extracted by
// the Win32 side from the file and number found here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/path_check.h"
#include "editor/icon_files.h"
#include "platform/files.h"

namespace torva::editor {

struct IconPick {
    std::string file;  // absolute path of the icon, cursor, program or library file
    int number = 0;    // icon number inside the file; negative numbers name a resource id
};

// Nothing when the source shows no icon: empty, a root or bare drive, a file that cannot be found, an
// extension other than CUR, ICO, EXE, DLL and OCX, or a file without icons. A relative file is taken
// from the folder of its base (1..4) when it is there, else from the first search folder holding it.
// The number counts only for EXE, DLL and OCX files and falls back to 0 beyond the file's last icon.
// The file's extension is noted at extension (the editor's error state and number).
std::optional<IconPick> ResolveButtonIcon(std::string_view iconSource, uint8_t iconBase,
                                          const definition::SearchFolders& folders,
                                          const platform::FileSystem& files, const IconFiles& icons,
                                          const StepLocation& extension = {});

}  // namespace torva::editor
