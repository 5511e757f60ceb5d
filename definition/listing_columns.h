#pragma once
// Fixed-width columns of the printable listing, measured in Shift-JIS bytes (a full-width character
// takes two).

#include <cstddef>
#include <string>
#include <string_view>

namespace torva::definition {

// The text cut to n bytes and filled with blanks to exactly n bytes. A double-byte character that would
// be cut in half is dropped and its byte becomes a blank, so the next column still starts in place.
std::string PadToBytes(std::string_view text, std::size_t n);

// The text cut to n characters and filled with blanks to exactly n characters, a full-width character
// counting one (the font style column is measured so).
std::string PadToChars(std::string_view text, std::size_t n);

// A number right-aligned in `width` characters (blanks in front); wider numbers stand in full.
std::string RightAligned(long long number, std::size_t width);

}  // namespace torva::definition
