#include "definition/text_helpers.h"

#include <cfloat>

#include "common/cp932.h"
#include "common/number.h"
#include "common/path.h"
#include "common/run_error.h"
#include "common/utf8.h"

namespace torva::definition {

std::string fileExtension(std::string_view path, const StepLocation& at) {
    EnterStep(at);
    return LaunchExtension(path, false);
}

float versionNumber(std::string_view afterVer) {
    const double number = LeadingNumber(afterVer, true);
    if (!(number <= FLT_MAX && number >= -FLT_MAX)) throw RunError(kErrOverflow, "version number");
    return static_cast<float>(number);
}

namespace {

// Length of the longest prefix of Shift-JIS bytes, at most limit, that ends on a character boundary.
std::size_t WholeCharacterPrefix(std::string_view bytes, std::size_t limit) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t width = IsCp932LeadByte(static_cast<unsigned char>(bytes[pos])) ? 2 : 1;
        if (pos + width > limit || pos + width > bytes.size()) break;
        pos += width;
    }
    return pos;
}

}  // namespace

std::string cutToBytes(std::string_view text, std::size_t n) {
    const std::string bytes = Utf8ToCp932(text);
    if (bytes.size() <= n) return Cp932ToUtf8(bytes);
    return Cp932ToUtf8(std::string_view(bytes).substr(0, WholeCharacterPrefix(bytes, n)));
}

std::string faceNameFromBytes(std::span<const char> bytes) {
    std::size_t length = 0;
    while (length < bytes.size() && bytes[length] != '\0') ++length;
    return Cp932ToUtf8(std::string_view(bytes.data(), length));
}

std::size_t faceNameToBytes(std::span<char> bytes, std::string_view text) {
    if (bytes.empty()) return 0;
    const std::string encoded = Utf8ToCp932(text);
    const std::size_t length = WholeCharacterPrefix(encoded, bytes.size() - 1);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = encoded[i];
    for (std::size_t i = length; i < bytes.size(); ++i) bytes[i] = '\0';
    return length;
}

}  // namespace torva::definition
