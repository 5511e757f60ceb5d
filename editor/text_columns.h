#pragma once
// Fixed-width text for the listing, and the file-extension rule of the editor. Listing columns are
// measured in Shift-JIS bytes: a full-width character takes two.

#include <cstddef>
#include <string>
#include <string_view>

namespace torva::editor {

// The first n bytes of the text in the system code page, as text; a double-byte character that would
// be cut in half is dropped.
std::string CutToBytes(std::string_view text, std::size_t n);

// The text followed by blanks, cut to exactly n bytes (padding a cut double-byte character's byte too).
std::string PadToBytes(std::string_view text, std::size_t n);

// Upper-case extension of a path or icon source, empty when there is none: addresses ("HTTP:",
// "HTTPS:") have none; an icon number after "|" is not part of it; a "." in a folder name or at the
// very start does not count.
std::string FileExtension(std::string_view path);

}  // namespace torva::editor
