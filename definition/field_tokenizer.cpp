#include "definition/field_tokenizer.h"

#include <bit>
#include <cstring>

#include "common/utf8.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace torva::definition {

namespace {

constexpr std::size_t kBlockBytes = 64;

// No byte that upper-casing would change: ASCII without a lower-case letter.
bool IsUpperAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || (c >= 'a' && c <= 'z')) return false;
    }
    return true;
}

// The marks of n bytes (n <= 64) one by one, in the order of the scan's marks (line ends, commas, quotes,
// blanks): the end of a text, and every block where the processor
// offers no wider comparison.
void MarkBytes(const char* bytes, std::size_t n, std::uint64_t* marks) {
    std::uint64_t lineEnds = 0;
    std::uint64_t commas = 0;
    std::uint64_t quotes = 0;
    std::uint64_t blanks = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        const char c = bytes[i];
        if (c == '\r' || c == '\n') lineEnds |= bit;
        if (c == ',') commas |= bit;
        if (c == '"') quotes |= bit;
        if (c == ' ') blanks |= bit;
    }
    marks[0] = lineEnds;
    marks[1] = commas;
    marks[2] = quotes;
    marks[3] = blanks;
}

#if defined(__SSE2__)
// The marks of 64 bytes, sixteen compared at once.
void MarkBlock(const char* bytes, std::uint64_t* marks) {
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i blank = _mm_set1_epi8(' ');
    std::uint64_t lineEnds = 0;
    std::uint64_t commas = 0;
    std::uint64_t quotes = 0;
    std::uint64_t blanks = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * i));
        const auto mask = [](__m128i equal) {
            return static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(equal)));
        };
        lineEnds |= mask(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf))) << (16 * i);
        commas |= mask(_mm_cmpeq_epi8(v, comma)) << (16 * i);
        quotes |= mask(_mm_cmpeq_epi8(v, quote)) << (16 * i);
        blanks |= mask(_mm_cmpeq_epi8(v, blank)) << (16 * i);
    }
    marks[0] = lineEnds;
    marks[1] = commas;
    marks[2] = quotes;
    marks[3] = blanks;
}
#else
void MarkBlock(const char* bytes, std::uint64_t* marks) {
    MarkBytes(bytes, kBlockBytes, marks);
}
#endif

}  // namespace

void TextScan::Scan(std::string_view text) {
    text_ = text;
    // One block more than the text needs: an empty text still has a block to look in.
    const std::size_t count = text.size() / kBlockBytes + 1;
    if (count > capacity_) {
        blocks_ = std::make_unique_for_overwrite<Block[]>(count);
        capacity_ = count;
    }
    const char* const data = text.data();
    const std::size_t whole = text.size() / kBlockBytes;
    for (std::size_t b = 0; b < whole; ++b) MarkBlock(data + b * kBlockBytes, blocks_[b].marks);
    MarkBytes(data + whole * kBlockBytes, text.size() - whole * kBlockBytes, blocks_[whole].marks);
}

bool TextScan::NextLine(std::size_t& pos, std::size_t& begin, std::size_t& end) const {
    const std::size_t size = text_.size();
    if (pos >= size) return false;
    begin = pos;
    end = Next(kLineEnd, pos, size);
    if (end == size) {
        pos = size;
    } else {
        const bool crLf = text_[end] == '\r' && end + 1 < size && text_[end + 1] == '\n';
        pos = end + (crLf ? 2 : 1);
    }
    return true;
}

void TextScan::ParseLine(std::size_t begin, std::size_t end, ParsedLine& parsed) {
    parsed.isComment = false;
    parsed.comment = {};
    parsed.key = {};
    parsed.fields.clear();
    bool first = true;
    ForEachField(begin, end, [&](std::string_view value, std::size_t next) {
        if (!first) {
            parsed.fields.push_back(value);
            return true;
        }
        first = false;
        if (!value.empty() && value[0] == '*') {
            parsed.isComment = true;
            parsed.comment = text_.substr(next, end - next);
            return false;
        }
        const std::string_view key = TrimBlanksView(value);
        // Keys are mostly upper-case ASCII already: those are used where they stand in the text.
        if (IsUpperAscii(key)) {
            parsed.key = key;
        } else {
            parsed.keyBuffer.clear();
            AppendUpperLetters(parsed.keyBuffer, key);
            parsed.key = parsed.keyBuffer;
        }
        return true;
    });
}

ParsedLine& ParsedLine::operator=(const ParsedLine& other) {
    if (this == &other) return *this;
    isComment = other.isComment;
    comment = other.comment;
    fields = other.fields;
    keyBuffer = other.keyBuffer;
    const bool ownKey = !other.key.empty() && other.key.data() == other.keyBuffer.data();
    key = ownKey ? std::string_view(keyBuffer) : other.key;
    return *this;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    TextScan scan;
    scan.Scan(text);
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    std::size_t end = 0;
    for (std::size_t pos = 0; scan.NextLine(pos, begin, end);)
        lines.push_back(text.substr(begin, end - begin));
    return lines;
}

std::vector<std::string> SplitFields(std::string_view line) {
    TextScan scan;
    scan.Scan(line);
    std::vector<std::string> fields;
    scan.ForEachField(0, line.size(), [&](std::string_view value, std::size_t) {
        fields.emplace_back(value);
        return true;
    });
    return fields;
}

void ParseLine(std::string_view line, ParsedLine& parsed) {
    TextScan scan;
    scan.Scan(line);
    scan.ParseLine(0, line.size(), parsed);
}

ParsedLine ParseLine(std::string_view line) {
    ParsedLine parsed;
    ParseLine(line, parsed);
    return parsed;
}

}  // namespace torva::definition
