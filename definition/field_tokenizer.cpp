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

// The bits set, counted without the processor's instruction for it, which the target may lack (the
// library call the compiler makes instead costs more than this).
inline std::size_t BitCount(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555u;
    bits = (bits & 0x3333333333333333u) + ((bits >> 2) & 0x3333333333333333u);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return static_cast<std::size_t>((bits * 0x0101010101010101u) >> 56);
}

// Bit i of the result: whether an odd number of the bits 0..i of bits are set.
inline std::uint64_t PrefixParity(std::uint64_t bits) {
    bits ^= bits << 1;
    bits ^= bits << 2;
    bits ^= bits << 4;
    bits ^= bits << 8;
    bits ^= bits << 16;
    bits ^= bits << 32;
    return bits;
}

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
    if (ParsePaired(begin, end, parsed)) return;
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
        SetKey(value, parsed);
        return true;
    });
}

void TextScan::SetKey(std::string_view value, ParsedLine& parsed) {
    const std::string_view key = TrimBlanksView(value);
    // Keys are mostly upper-case ASCII already: those are used where they stand in the text.
    if (IsUpperAscii(key)) {
        parsed.key = key;
    } else {
        parsed.keyBuffer.clear();
        AppendUpperLetters(parsed.keyBuffer, key);
        parsed.key = parsed.keyBuffer;
    }
}

// A field [from, to) that begins with a blank or a quote, or ends with a blank, cut as ForEachField
// cuts it; quoted counts the fields that a quote opens.
std::string_view TextScan::CutField(std::size_t from, std::size_t to, std::size_t& quoted) const {
    const char* const data = text_.data();
    std::size_t p = from;
    while (p < to && data[p] == ' ') ++p;
    if (p < to && data[p] == '"') {
        ++quoted;
        return std::string_view(data + p + 1, Next(kQuote, p + 1, to) - p - 1);
    }
    std::size_t last = to;
    while (last > p && data[last - 1] == ' ') --last;
    return std::string_view(data + p, last - p);
}

// Most lines hold quotes only in pairs, each pair a field's opening and closing quote (every line the
// writer writes): the commas that end their fields are then those outside the pairs, found for all of
// the line at once from the marks, and a field is cut at them with a look at only its first and last
// byte, most fields needing nothing more. Whether the line was of that kind is told after: it was
// when its quotes number twice the fields a quote opens (an unclosed last one counting once). Cut
// either way, such a line gives the same fields. False for any other line, a comment, a very long
// line and the text's last line when no line end follows it (the byte after a field is looked at):
// those are cut field by field.
bool TextScan::ParsePaired(std::size_t begin, std::size_t end, ParsedLine& parsed) {
    constexpr std::size_t kMaxBlocks = 8;
    if (begin >= end || end >= text_.size()) return false;
    const std::size_t firstBlock = begin >> 6;
    const std::size_t blockCount = ((end - 1) >> 6) - firstBlock + 1;
    if (blockCount > kMaxBlocks) return false;
    std::uint64_t ends[kMaxBlocks] = {};  // per block: the commas that end fields
    std::size_t quotes = 0;
    std::size_t commas = 0;
    std::uint64_t open = 0;  // all bits set while a quote of an earlier block is open
    for (std::size_t b = 0; b < blockCount; ++b) {
        const Block& block = blocks_[firstBlock + b];
        std::uint64_t range = ~std::uint64_t{0};
        if (b == 0) range &= ~std::uint64_t{0} << (begin & 63);
        if (b == blockCount - 1) range &= ~std::uint64_t{0} >> (63 - ((end - 1) & 63));
        const std::uint64_t quoteBits = block.marks[kQuote] & range;
        quotes += BitCount(quoteBits);
        const std::uint64_t inside = PrefixParity(quoteBits) ^ open;
        open = static_cast<std::uint64_t>(static_cast<std::int64_t>(inside) >> 63);
        ends[b] = block.marks[kComma] & range & ~inside;
        commas += BitCount(ends[b]);
    }

    const char* const data = text_.data();
    std::size_t quoted = 0;
    std::size_t b = 0;
    std::uint64_t bits = ends[0];
    const auto nextEnd = [&]() -> std::size_t {
        while (bits == 0) {
            if (++b == blockCount) return end;
            bits = ends[b];
        }
        const std::size_t found = ((firstBlock + b) << 6) + static_cast<std::size_t>(std::countr_zero(bits));
        bits &= bits - 1;
        return found;
    };
    std::size_t to = nextEnd();
    const std::string_view first = CutField(begin, to, quoted);
    if (!first.empty() && first[0] == '*') return false;
    parsed.fields.resize(commas);
    std::string_view* const fields = parsed.fields.data();
    for (std::size_t f = 0; f < commas; ++f) {
        const std::size_t from = to + 1;
        to = nextEnd();
        // The byte at to is the comma or line end after the field, the one before from the comma
        // before it: both lie in the text, the field empty or not.
        const char head = data[from];
        const bool plain = head != ' ' && head != '"' && data[to - 1] != ' ';
        fields[f] = plain ? std::string_view(data + from, to - from) : CutField(from, to, quoted);
    }
    if (quotes + (quotes & 1) != 2 * quoted) return false;
    parsed.isComment = false;
    parsed.comment = {};
    SetKey(first, parsed);
    return true;
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
