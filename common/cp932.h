#pragma once
// The Shift-JIS (code page 932) edge: files and mailslot payloads are bytes in that code page,
// everything inside is UTF-8. Bytes that do not decode and characters that do not encode are
// replaced (U+FFFD and "?") and counted, so a caller can refuse or report instead of losing them.

#include <cstddef>
#include <string>
#include <string_view>

namespace torva {

struct Cp932Decoded {
    std::string text;         // UTF-8
    std::size_t invalid = 0;  // bytes that were not valid Shift-JIS
};

struct Cp932Encoded {
    std::string bytes;           // Shift-JIS
    std::size_t unmappable = 0;  // characters with no Shift-JIS form
};

Cp932Decoded DecodeCp932(std::string_view bytes);
Cp932Encoded EncodeCp932(std::string_view utf8);

// Convenience forms for callers that accept the replacements.
inline std::string Cp932ToUtf8(std::string_view bytes) {
    return DecodeCp932(bytes).text;
}
inline std::string Utf8ToCp932(std::string_view utf8) {
    return EncodeCp932(utf8).bytes;
}

// Length of the text in Shift-JIS bytes: listing columns and fixed byte limits are measured so.
std::size_t Cp932ByteLength(std::string_view utf8);

// True for a byte that starts a two-byte Shift-JIS character.
constexpr bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace torva
