#pragma once
// The path check that programs, icon files and bar pictures pass when a definition is read, and the
// folders a relative path is looked for in.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace torva::definition {

// The folders a relative path is looked for in, in this order. The definition folder is the folder
// part of the definition path (a drive root keeps its "\"); the others carry no trailing "\".
struct SearchFolders {
    std::string definitionFolder;  // base 1
    std::string programFolder;     // base 2
    std::string windowsFolder;     // base 3
    std::string systemFolder;      // base 4

    // The folder of a base 1..4; empty for any other base.
    const std::string& Folder(int base) const;
};

enum class PathStatus {
    Empty,      // nothing to store ("", "\", ":", "C:", "\\")
    Absolute,   // a drive or network path that exists
    Address,    // a web address, accepted unchecked where addresses are allowed
    Relative,   // found in a search folder
    NotFound,   // absolute and missing, or relative and in no search folder
    NotAllowed  // "\..." (root of the current drive)
};

struct PathCheck {
    PathStatus status = PathStatus::Empty;
    uint8_t base = 0;         // Relative: 1..4, the folder it was found in
    std::string_view folder;  // Relative: that folder, a view into the SearchFolders checked against

    bool failed() const { return status == PathStatus::NotFound || status == PathStatus::NotAllowed; }
};

// Checks a trimmed path text. Relative texts are looked for as folder + "\" + text in the search
// folders (an empty definition folder is skipped).
PathCheck checkPath(std::string_view text, bool allowAddress, const SearchFolders& folders,
                    const platform::FileSystem& files);
// The same with the paths asked about made in buffer, whose allocation a caller checking path after
// path keeps.
PathCheck checkPath(std::string_view text, bool allowAddress, const SearchFolders& folders,
                    const platform::FileSystem& files, std::string& buffer);

// The first search folder F for which F + "\" + path exists: base 1..4; 0 when none.
uint8_t findBase(std::string_view path, const SearchFolders& folders, const platform::FileSystem& files);
uint8_t findBase(std::string_view path, const SearchFolders& folders, const platform::FileSystem& files,
                 std::string& buffer);

// Base 0: the path itself; 1..4: that folder + "\" + path; any other base: empty.
std::string absolutePath(std::string_view path, int base, const SearchFolders& folders);

// Case-insensitive comparison of Windows paths (letters a..z and full-width letters).
bool SamePath(std::string_view a, std::string_view b);

}  // namespace torva::definition
