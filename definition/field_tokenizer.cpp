#include "definition/field_tokenizer.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "common/utf8.h"

namespace torva::definition {

namespace {

static_assert(std::endian::native == std::endian::little, "the byte search reads words low byte first");

constexpr std::uint64_t kOnes = 0x0101010101010101u;

// The bytes of word equal to c flagged by their top bit; the lowest flag is the first such byte
// (flags above it may be false).
inline std::uint64_t Equal(std::uint64_t word, char c) {
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return (x - kOnes) & ~x & (kOnes << 7);
}

// Offset of the first byte a or b at or after pos, size when there is none. Eight bytes a step: fields
// are short, and a loop that stops after a few bytes at an unforeseeable place costs more in
// mispredicted branches than the scanning itself.
inline std::size_t FindEither(const char* data, std::size_t pos, std::size_t size, char a, char b) {
    while (pos + 8 <= size) {
        std::uint64_t word;
        std::memcpy(&word, data + pos, 8);
        const std::uint64_t found = Equal(word, a) | Equal(word, b);
        if (found != 0) return pos + static_cast<std::size_t>(std::countr_zero(found) >> 3);
        pos += 8;
    }
    while (pos < size && data[pos] != a && data[pos] != b) ++pos;
    return pos;
}

inline std::size_t Find(const char* data, std::size_t pos, std::size_t size, char c) {
    return FindEither(data, pos, size, c, c);
}

}  // namespace

bool NextLine(std::string_view text, std::size_t& pos, std::string_view& line) {
    if (pos >= text.size()) return false;
    const char* const begin = text.data() + pos;
    const std::size_t left = text.size() - pos;
    // The first CR or LF, in one pass however the lines end.
    const std::size_t end = FindEither(begin, 0, left, '\r', '\n');
    line = std::string_view(begin, end);
    if (end == left) {
        pos = text.size();
    } else {
        const bool crLf = begin[end] == '\r' && end + 1 < left && begin[end + 1] == '\n';
        pos += end + (crLf ? 2 : 1);
    }
    return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::string_view line;
    for (std::size_t pos = 0; NextLine(text, pos, line);) lines.push_back(line);
    return lines;
}

namespace {

// Calls take(value, next) for each field of the line in order, next being the offset after the comma
// that ended the field (the line's size for the last one); stops early when take returns false. One
// loop with the scans inline: fields are short, so calls and library searches would cost more than
// the scanning itself.
template <class Take>
void ForEachField(std::string_view line, Take take) {
    const char* const data = line.data();
    const std::size_t size = line.size();
    for (std::size_t pos = 0;;) {
        std::size_t p = pos;
        while (p < size && data[p] == ' ') ++p;
        std::string_view value;
        std::size_t valueEnd = p;
        const bool quoted = p < size && data[p] == '"';
        if (quoted) {
            const std::size_t close = Find(data, p + 1, size, '"');
            if (close == size) {
                take(line.substr(p + 1), size);
                return;
            }
            value = std::string_view(data + p + 1, close - p - 1);
            valueEnd = close + 1;
        }
        const std::size_t comma = Find(data, valueEnd, size, ',');
        if (!quoted) value = TrimBlanksView(std::string_view(data + p, comma - p));
        if (comma == size) {
            take(value, size);
            return;
        }
        if (!take(value, comma + 1)) return;
        pos = comma + 1;
    }
}

}  // namespace

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    ForEachField(line, [&](std::string_view value, std::size_t) {
        fields.emplace_back(value);
        return true;
    });
    return fields;
}

void ParseLine(std::string_view line, ParsedLine& parsed) {
    parsed.isComment = false;
    parsed.comment = {};
    parsed.key.clear();
    parsed.fields.clear();
    bool first = true;
    ForEachField(line, [&](std::string_view value, std::size_t next) {
        if (!first) {
            parsed.fields.push_back(value);
            return true;
        }
        first = false;
        if (!value.empty() && value[0] == '*') {
            parsed.isComment = true;
            parsed.comment = line.substr(next);
            return false;
        }
        AppendUpperLetters(parsed.key, TrimBlanksView(value));
        return true;
    });
}

ParsedLine ParseLine(std::string_view line) {
    ParsedLine parsed;
    ParseLine(line, parsed);
    return parsed;
}

}  // namespace torva::definition
