#pragma once
// Lines and fields of a definition file (UTF-8 text, already decoded from the file's code page). The
// fields are views into the text: a file is taken apart in one pass, without copies.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace torva::definition {

// One line taken apart; every view points into the line, but a key that had lower-case letters, which
// points into the line's own buffer (copies point into theirs).
struct ParsedLine {
    ParsedLine() = default;
    ParsedLine(const ParsedLine& other) { *this = other; }
    ParsedLine& operator=(const ParsedLine& other);

    bool isComment = false;
    std::string_view comment;              // comment lines: the rest of the line after the first field
    std::string_view key;                  // other lines: first field, trimmed and upper-cased
    std::vector<std::string_view> fields;  // the fields after the key
    std::string keyBuffer;                 // the upper-cased key, when the line's own was not
    // The field after the key at 1-based position n, or empty when the line is shorter.
    std::string_view Field(std::size_t n) const {
        return n == 0 || n > fields.size() ? std::string_view() : fields[n - 1];
    }
};

// True when key is the word: a check of the length, then of bytes whose number the compiler knows.
template <std::size_t N>
bool KeyIs(std::string_view key, const char (&word)[N]) {
    return key.size() == N - 1 && std::memcmp(key.data(), word, N - 1) == 0;
}

// Where the line ends, commas, double quotes and blanks of a text stand, found for the whole text in one pass
// (sixteen bytes a step where the processor allows): lines and fields are then cut by looking the next
// one up, instead of searching the bytes again field after field.
class TextScan {
  public:
    // Scans text, which must outlive the scan; buffers are kept from one text to the next.
    void Scan(std::string_view text);
    std::string_view Text() const { return text_; }

    // The line that starts at pos, as [begin, end) of the text, and pos moved past its line end; false
    // at the end of the text. Lines end at CR LF, and also at a lone LF or CR (files edited by hand). A
    // final line without a line end counts; the empty remainder after the last line end does not.
    bool NextLine(std::size_t& pos, std::size_t& begin, std::size_t& end) const;

    // Takes the line [begin, end) apart into parsed, whose buffers are reused: a reader parsing line
    // after line into the same ParsedLine allocates only for the longest line. A field that begins
    // (after blanks) with a double quote runs to the next double quote and keeps what is between them;
    // text after the closing quote up to the next comma is ignored; without a closing quote it runs to
    // the end of the line. An unquoted field runs to the next comma, blanks around it dropped. A first
    // field that begins with "*" makes the line a comment.
    void ParseLine(std::size_t begin, std::size_t end, ParsedLine& parsed);

    // Calls take(value, next) for each field of the line [begin, end) in order, next being the offset
    // in the text after the comma that ended the field (end for the last one); stops early when take
    // returns false.
    template <class Take>
    void ForEachField(std::size_t begin, std::size_t end, Take take);

  private:
    enum Mark { kLineEnd, kComma, kQuote, kBlank, kMarkCount };
    // Bit i of a block's mark word: byte 64 * block + i is that mark.
    struct Block {
        std::uint64_t marks[kMarkCount];
    };

    // The first position from from (up to end) of the mark, or with Not of any byte but the mark; end
    // when there is none.
    template <bool Not = false>
    std::size_t Next(Mark mark, std::size_t from, std::size_t end) const;
    // Whether the byte at pos is the mark.
    bool Is(Mark mark, std::size_t pos) const { return (blocks_[pos >> 6].marks[mark] >> (pos & 63)) & 1; }
    // The end of [from, end) with its trailing blanks dropped.
    std::size_t TrimEnd(std::size_t from, std::size_t end) const;
    bool ParsePaired(std::size_t begin, std::size_t end, ParsedLine& parsed);
    std::string_view CutField(std::size_t from, std::size_t to, std::size_t& quoted) const;
    static void SetKey(std::string_view value, ParsedLine& parsed);

    std::string_view text_;
    std::unique_ptr<Block[]> blocks_;
    std::size_t capacity_ = 0;  // blocks allocated
};

// The same over one text or line, for callers without a scan of their own.
std::vector<std::string_view> SplitLines(std::string_view text);
std::vector<std::string> SplitFields(std::string_view line);
void ParseLine(std::string_view line, ParsedLine& parsed);
ParsedLine ParseLine(std::string_view line);

// --- inline ----------------------------------------------------------------------------------------

template <bool Not>
inline std::size_t TextScan::Next(Mark mark, std::size_t from, std::size_t end) const {
    if (from >= end) return end;
    const auto word = [&](std::size_t b) { return Not ? ~blocks_[b].marks[mark] : blocks_[b].marks[mark]; };
    std::size_t block = from >> 6;
    std::uint64_t bits = word(block) & (~std::uint64_t{0} << (from & 63));
    const std::size_t last = (end - 1) >> 6;
    while (bits == 0) {
        if (block == last) return end;
        bits = word(++block);
    }
    const std::size_t found = (block << 6) + static_cast<std::size_t>(std::countr_zero(bits));
    return found < end ? found : end;
}

inline std::size_t TextScan::TrimEnd(std::size_t from, std::size_t end) const {
    if (end <= from || !Is(kBlank, end - 1)) return end;
    // The last byte that is no blank, searched backwards from the byte before end.
    std::size_t block = (end - 1) >> 6;
    const std::size_t first = from >> 6;
    std::uint64_t bits = ~blocks_[block].marks[kBlank] & (~std::uint64_t{0} >> (63 - ((end - 1) & 63)));
    while (bits == 0) {
        if (block == first) return from;
        bits = ~blocks_[--block].marks[kBlank];
    }
    const std::size_t found = (block << 6) + 63 - static_cast<std::size_t>(std::countl_zero(bits));
    return found >= from ? found + 1 : from;
}

template <class Take>
void TextScan::ForEachField(std::size_t begin, std::size_t end, Take take) {
    const char* const data = text_.data();
    // The commas of the line in order, taken from their marks one by one: each field ends at the next
    // (past a quoted part, at the first one after it), found without looking at the field's bytes.
    std::size_t block = begin >> 6;
    const std::size_t lastBlock = end == 0 ? 0 : (end - 1) >> 6;
    std::uint64_t bits = blocks_[block].marks[kComma] & (~std::uint64_t{0} << (begin & 63));
    const auto nextComma = [&]() -> std::size_t {
        while (bits == 0) {
            if (block >= lastBlock) return end;
            bits = blocks_[++block].marks[kComma];
        }
        const std::size_t found = (block << 6) + static_cast<std::size_t>(std::countr_zero(bits));
        bits &= bits - 1;
        return found < end ? found : end;
    };
    std::size_t comma = nextComma();
    for (std::size_t pos = begin;;) {
        // Blanks and quotes are told from their marks too: the bytes of the text are not read here.
        std::size_t p = pos;
        if (p < end && Is(kBlank, p)) p = Next<true>(kBlank, p, end);
        std::string_view value;
        const bool quoted = p < end && Is(kQuote, p);
        if (quoted) {
            const std::size_t close = Next(kQuote, p + 1, end);
            if (close == end) {
                take(std::string_view(data + p + 1, end - p - 1), end);
                return;
            }
            value = std::string_view(data + p + 1, close - p - 1);
            while (comma < close) comma = nextComma();  // commas inside the quotes
        } else {
            value = std::string_view(data + p, TrimEnd(p, comma) - p);
        }
        if (comma == end) {
            take(value, end);
            return;
        }
        if (!take(value, comma + 1)) return;
        pos = comma + 1;
        comma = nextComma();
    }
}

}  // namespace torva::definition
