#include "definition/listing_columns.h"

#include "common/cp932.h"
#include "common/utf8.h"
#include "definition/text_helpers.h"

namespace torva::definition {

std::string PadToBytes(std::string_view text, std::size_t n) {
    std::string out = definition::cutToBytes(text, n);
    const std::size_t width = Cp932ByteLength(out);
    if (width < n) out.append(n - width, ' ');
    return out;
}

std::string PadToChars(std::string_view text, std::size_t n) {
    std::string out = LeftChars(text, n);
    const std::size_t count = CharCount(out);
    if (count < n) out.append(n - count, ' ');
    return out;
}

std::string RightAligned(long long number, std::size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width) digits.insert(0, width - digits.size(), ' ');
    return digits;
}

}  // namespace torva::definition
