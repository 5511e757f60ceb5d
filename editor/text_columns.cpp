#include "editor/text_columns.h"

#include "common/cp932.h"
#include "common/path.h"
#include "common/utf8.h"

namespace torva::editor {

std::string CutToBytes(std::string_view text, std::size_t n) {
    // Walk character by character so that a character is either whole or absent; measuring each one
    // through the codec keeps characters without a Shift-JIS form ("?") at one byte, as written.
    std::string out;
    std::size_t bytes = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        const std::string_view ch = text.substr(pos, length);
        const std::size_t width = length == 1 ? 1 : Cp932ByteLength(ch);
        if (bytes + width > n) break;
        out.append(ch);
        bytes += width;
        pos += length;
    }
    return out;
}

std::string PadToBytes(std::string_view text, std::size_t n) {
    std::string out = CutToBytes(text, n);
    const std::size_t width = Cp932ByteLength(out);
    if (width < n) out.append(n - width, ' ');
    return out;
}

std::string FileExtension(std::string_view path) {
    if (IsAddress(path)) return {};
    const std::string_view file = path.substr(0, path.find('|'));
    for (std::size_t i = file.size(); i-- > 0;) {
        if (file[i] == '\\') return {};
        if (file[i] == '.') return i == 0 ? std::string() : UpperLetters(file.substr(i + 1));
    }
    return {};
}

}  // namespace torva::editor
