#include "common/utf8.h"

namespace torva {

namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t need = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 4;
    } else {
        return 1;
    }
    if (pos + need > text.size()) return 1;
    for (std::size_t i = 1; i < need; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
    }
    return need;
}

char32_t DecodeAt(std::string_view text, std::size_t pos, std::size_t* length) {
    const std::size_t len = Utf8SequenceLength(text, pos);
    if (length) *length = len;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (len == 1) return lead < 0x80 ? char32_t(lead) : char32_t(0xFFFD);
    char32_t cp = lead & (len == 2 ? 0x1F : len == 3 ? 0x0F : 0x07);
    for (std::size_t i = 1; i < len; ++i) cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t CharCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos)) ++count;
    return count;
}

namespace {
// Byte offset of the character with 0-based index n (text.size() when past the end).
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    while (n > 0 && pos < text.size()) {
        pos += Utf8SequenceLength(text, pos);
        --n;
    }
    return pos;
}
}  // namespace

std::string LeftChars(std::string_view text, std::size_t n) {
    return std::string(text.substr(0, ByteOffsetOfChar(text, n)));
}

std::string MidChars(std::string_view text, std::size_t start, std::size_t n) {
    if (start == 0) start = 1;
    const std::size_t from = ByteOffsetOfChar(text, start - 1);
    std::string_view rest = text.substr(from);
    if (n == std::string_view::npos) return std::string(rest);
    return std::string(rest.substr(0, ByteOffsetOfChar(rest, n)));
}

std::string RightChars(std::string_view text, std::size_t n) {
    const std::size_t count = CharCount(text);
    if (n >= count) return std::string(text);
    return std::string(text.substr(ByteOffsetOfChar(text, count - n)));
}

std::string TrimLeftBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimRightBlanks(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimBlanks(std::string_view text) { return TrimRightBlanks(TrimLeftBlanks(text)); }

std::string UpperLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t len = 0;
        const char32_t cp = DecodeAt(text, pos, &len);
        if (cp >= U'a' && cp <= U'z') {
            out += static_cast<char>(cp - 0x20);
        } else if (cp >= U'ａ' && cp <= U'ｚ') {
            AppendUtf8(out, cp - 0x20);
        } else {
            out.append(text.substr(pos, len));
        }
        pos += len;
    }
    return out;
}

}  // namespace torva
