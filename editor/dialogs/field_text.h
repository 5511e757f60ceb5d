#pragma once
// Small text rules of the dialogs' fields: numbers typed into page and button boxes, the byte they
// are stored in, and the keys some boxes refuse.

#include <cstdint>
#include <string>
#include <string_view>

namespace torva::editor::dialogs {

// The leading number of a box as the box shows it after leaving: its decimal text, "0" for an empty
// or non-numeric text. Digits beyond any sensible number are kept as a large number, never an error.
std::string LeadingNumberText(std::string_view text);

// The leading number of a box, limited to the range of a 32-bit number.
long long LeadingWhole(std::string_view text);

// A number kept against a failed check is stored in a byte: below 0 gives 0, above 255 gives 255.
uint8_t ClampToByte(long long value);

// Comment, password and guide refuse the double quote: the definition file quotes these texts.
constexpr bool IsRefusedKey(char32_t character) {
    return character == U'"';
}

}  // namespace torva::editor::dialogs
