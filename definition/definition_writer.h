#pragma once
// The writer of definition files: the lines in their order and under their conditions, canonical
// colour codes, quoting, the relative form of paths, and a save that never destroys the old file.

#include <cstddef>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "platform/files.h"

namespace torva::definition {

// Where the writer notes the shared steps it enters (the editor's numbers; none elsewhere).
struct WriterSteps {
    StepLocation codeFromColour;  // each colour field
    StepLocation relativeForm;    // each path written in relative form under "[PSUP]"
    StepLocation relativeFolder;  // its test of one search folder
};

// The text of the file (UTF-8, lines ended by CR LF). folders.definitionFolder is the folder the file
// is written into; the others serve the relative form under "[PSUP]". Text that a field cannot hold
// (double quotes, line ends, and commas in unquoted fields) is left out, so the file reads back.
std::string definitionText(const MenuDefinition& def, const SearchFolders& folders,
                           const WriterSteps& steps = {});

// The relative form of an absolute path (or icon source): the name after the first search folder that
// holds it directly, else the shortest remainder after any search folder holding it, else the path.
// Notes form on entry and folder on each folder it tries.
std::string relativeForm(std::string_view path, const SearchFolders& folders, const StepLocation& form = {},
                         const StepLocation& folder = {});

// Paths kept relative to the folder a definition was read from (base 1) are moved to a base that still
// names the same files once the definition lives in folders.definitionFolder: the program, Windows or
// System folder when the old folder is one of them, else the absolute path. Notes at on entry.
void rebasePaths(MenuDefinition& def, std::string_view oldFolder, const SearchFolders& folders,
                 const StepLocation& at = {});

struct SaveResult {
    bool ok = false;
    int runErrorNumber = 0;      // the failure when not ok
    std::size_t unmappable = 0;  // characters written as "?" (no Shift-JIS form)
};

// Writes the bytes to a temporary file beside path and replaces path with it only when the whole file
// was written. On failure path is untouched and the temporary file removed.
SaveResult saveFileSafely(platform::FileSystem& files, const std::string& path, const std::string& bytes);

// definitionText, encoded to Shift-JIS, saved safely.
SaveResult saveDefinition(platform::FileSystem& files, const std::string& path, const MenuDefinition& def,
                          const SearchFolders& folders, const WriterSteps& steps = {});

// Name of the temporary file a save of path writes first.
std::string TemporarySavePath(std::string_view path);

}  // namespace torva::definition
