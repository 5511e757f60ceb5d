#include "common/utf8.h"

namespace torva {

namespace {
bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}
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
    // Overlong forms, surrogates and values past U+10FFFF are malformed: an overlong "\" must not
    // turn into a real one at the code page edge.
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 1;
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

namespace {
std::string_view TrimLeftView(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') ++first;
    return text.substr(first);
}

std::string_view TrimRightView(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') --end;
    return text.substr(0, end);
}
}  // namespace

std::string TrimLeftBlanks(std::string_view text) {
    return std::string(TrimLeftView(text));
}

std::string TrimRightBlanks(std::string_view text) {
    return std::string(TrimRightView(text));
}

std::string TrimBlanks(std::string_view text) {
    return std::string(TrimBlanksView(text));
}

namespace {
// Upper-case partner of a lower-case letter of the character set the files use (ASCII, full-width
// Latin, Greek, Cyrillic, small Roman numerals); any other code point is returned unchanged.
char32_t UpperLetter(char32_t cp) {
    if (cp >= U'a' && cp <= U'z') return cp - 0x20;
    if (cp >= U'\uFF41' && cp <= U'\uFF5A') return cp - 0x20;                     // full-width a..z
    if (cp >= U'\u03B1' && cp <= U'\u03C9' && cp != U'\u03C2') return cp - 0x20;  // Greek, final sigma kept
    if (cp >= U'\u0430' && cp <= U'\u044F') return cp - 0x20;                     // Cyrillic a..ya
    if (cp >= U'\u0450' && cp <= U'\u045F') return cp - 0x50;  // Cyrillic io and the others
    if (cp >= U'\u2170' && cp <= U'\u217F') return cp - 0x10;  // small Roman numerals
    return cp;
}
}  // namespace

std::string UpperLetters(std::string_view text) {
    std::string out;
    AppendUpperLetters(out, text);
    return out;
}

void AppendUpperLetters(std::string& out, std::string_view text) {
    // Copied first and changed in place: every partner has the length of its letter.
    const std::size_t start = out.size();
    out.append(text);
    char* const p = out.data() + start;
    for (std::size_t pos = 0; pos < text.size();) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) < 0x80) {
            if (c >= 'a' && c <= 'z') p[pos] = static_cast<char>(c - 0x20);
            ++pos;
            continue;
        }
        std::size_t len = 0;
        const char32_t cp = DecodeAt(text, pos, &len);
        const char32_t upper = UpperLetter(cp);
        // Malformed bytes decode as U+FFFD and stay as they are.
        if (upper != cp) {
            std::string partner;
            AppendUtf8(partner, upper);
            if (partner.size() == len) partner.copy(p + pos, len);
        }
        pos += len;
    }
}

}  // namespace torva
