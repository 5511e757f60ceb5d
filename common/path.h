#pragma once
// Windows path texts handled as text (no file system access).

#include <string>
#include <string_view>

namespace torva {

// Folder part of a path: scanning back from the last character to the third, at the first "\" at
// character position p the folder is the first p-1 characters, except for p = 3 (a drive root such
// as "C:\"), which keeps its backslash. A path without such a "\" has an empty folder part.
std::string FolderPart(std::string_view path);

// Extension of a launch target: "" for texts beginning "HTTP:" or "HTTPS:" (any case); otherwise
// the text after the last "." (scanning from the end stops at a "\": no extension), cut at the
// first "|" after that dot, upper-cased. The editor's and the script runner's form of the rule
// (leadingDotCounts = false) gives no extension for a dot in the first character.
std::string LaunchExtension(std::string_view path, bool leadingDotCounts = true);
// The same extension as it is written (not upper-cased), a view into path.
std::string_view LaunchExtensionAsWritten(std::string_view path, bool leadingDotCounts = true);

// True when the text begins with "HTTP:" or "HTTPS:" in any case.
bool IsAddress(std::string_view text);

// Joins folder and name with exactly one "\" between them.
std::string JoinPath(std::string_view folder, std::string_view name);
// The same into out, whose buffer is reused.
void AssignJoinedPath(std::string& out, std::string_view folder, std::string_view name);

}  // namespace torva
