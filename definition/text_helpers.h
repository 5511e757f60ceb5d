#pragma once
// Small text services the editor, the listing and the readers share.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "common/error_state.h"

namespace torva::definition {

// Upper-case extension of a path: empty for web addresses; the scan runs back from the end, a "|"
// ends the file part (an icon number follows it), a "\" before any "." means none, and a "." in the
// first position does not start one. Notes the location the caller hands it on entry.
std::string fileExtension(std::string_view path, const StepLocation& at = {});

// The number after "[VER" in a version line as the single-precision value the version rules compare.
// A finite number beyond the single-precision range cannot be one: it ends the reading as an overflow
// (RunError kErrOverflow), never as an undefined conversion.
float versionNumber(std::string_view afterVer);

// The first n bytes of the text in the system code page, as text; a double-byte character cut in half
// is dropped.
std::string cutToBytes(std::string_view text, std::size_t n);

// A zero-terminated face name in the system code page (as the font dialog exchanges it) -> text. Reads
// no further than the array.
std::string faceNameFromBytes(std::span<const char> bytes);

// Text -> zero-terminated bytes in the system code page, written into the array. A name too long for
// the array is cut before the character that does not fit (never in the middle of one) so that the
// terminating zero always fits. Returns the number of bytes written before the zero.
std::size_t faceNameToBytes(std::span<char> bytes, std::string_view text);

}  // namespace torva::definition
