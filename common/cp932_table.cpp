// Native codec: tables made at build time from the C library's converter (cp932_tables_gen.cpp), so
// the results are that converter's, with no per-call set-up and one look-up per character.
#include <cstdint>
#include <cstring>

#include "common/cp932.h"
#include "common/utf8.h"

namespace torva {

namespace {

#include "cp932_tables.inc"

constexpr char32_t kReplacement = 0xFFFD;

// Length of the run of ASCII at the start of text, at most limit, counted eight bytes at a time: the
// run is copied as it is when the tables keep ASCII as it is.
std::size_t AsciiRun(const char* text, std::size_t limit) {
    if constexpr (!kAsciiAsIs) return 0;
    std::size_t n = 0;
    while (n + 8 <= limit) {
        std::uint64_t word;
        std::memcpy(&word, text + n, 8);
        if (word & 0x8080808080808080u) break;
        n += 8;
    }
    while (n < limit && static_cast<unsigned char>(text[n]) < 0x80) ++n;
    return n;
}

char* PutUtf8(char* out, char32_t cp) {
    if (cp < 0x80) {
        *out++ = static_cast<char>(cp);
    } else if (cp < 0x800) {
        *out++ = static_cast<char>(0xC0 | (cp >> 6));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        *out++ = static_cast<char>(0xE0 | (cp >> 12));
        *out++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

// The Shift-JIS form of the character at pos: its table value (one byte below 0x100, else two),
// kNone when it has none; *length is the UTF-8 sequence it took, a malformed byte counting alone.
std::uint16_t EncodeAt(std::string_view utf8, std::size_t pos, std::size_t* length) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    if (lead < 0x80) {
        *length = 1;
        return kEncode[lead];
    }
    const char32_t cp = DecodeAt(utf8, pos, length);
    if (*length == 1 || cp > 0xFFFF) return kNone;
    return kEncode[cp];
}

}  // namespace

// Input is taken in blocks whose output goes through a buffer on the stack and is then appended: the
// result is never zero-filled first nor sized for the worst case.
constexpr std::size_t kBlock = 1024;

Cp932Decoded DecodeCp932(std::string_view bytes) {
    Cp932Decoded result;
    // Japanese text grows by half in UTF-8; most definitions grow far less.
    result.text.reserve(bytes.size() + bytes.size() / 2);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    char buffer[kBlock * 3 + 8];  // three UTF-8 bytes at most for each byte
    for (std::size_t pos = 0; pos < size;) {
        const std::size_t blockEnd = size - pos > kBlock ? pos + kBlock : size;
        char* out = buffer;
        while (pos < blockEnd) {
            const std::size_t ascii = AsciiRun(bytes.data() + pos, blockEnd - pos);
            if (ascii != 0) {
                std::memcpy(out, bytes.data() + pos, ascii);
                out += ascii;
                pos += ascii;
                continue;
            }
            const std::uint16_t single = kSingle[in[pos]];
            if (single < 0x80) {
                *out++ = static_cast<char>(single);
                ++pos;
                continue;
            }
            if (single == kLead && pos + 1 < size) {
                const std::uint16_t pair = kPair[kLeadRow[in[pos]] * 256 + in[pos + 1]];
                if (pair != kNone) {
                    out = PutUtf8(out, pair);
                    pos += 2;
                    continue;
                }
            }
            if (single == kLead || single == kNone) {
                // One bad byte becomes one replacement character; decoding resumes right after it.
                out = PutUtf8(out, kReplacement);
                ++result.invalid;
            } else {
                out = PutUtf8(out, single);
            }
            ++pos;
        }
        result.text.append(buffer, static_cast<std::size_t>(out - buffer));
    }
    return result;
}

Cp932Encoded EncodeCp932(std::string_view utf8) {
    Cp932Encoded result;
    result.bytes.reserve(utf8.size());  // never more bytes than the UTF-8 text
    char buffer[kBlock * 2 + 8];        // two bytes at most for each character
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t blockEnd = utf8.size() - pos > kBlock ? pos + kBlock : utf8.size();
        char* out = buffer;
        while (pos < blockEnd) {
            const std::size_t ascii = AsciiRun(utf8.data() + pos, blockEnd - pos);
            if (ascii != 0) {
                std::memcpy(out, utf8.data() + pos, ascii);
                out += ascii;
                pos += ascii;
                continue;
            }
            std::size_t length = 1;
            const std::uint16_t code = EncodeAt(utf8, pos, &length);
            pos += length;
            if (code == kNone) {
                *out++ = '?';
                ++result.unmappable;
            } else if (code < 0x100) {
                *out++ = static_cast<char>(code);
            } else {
                *out++ = static_cast<char>(code >> 8);
                *out++ = static_cast<char>(code & 0xFF);
            }
        }
        result.bytes.append(buffer, static_cast<std::size_t>(out - buffer));
    }
    return result;
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    std::size_t bytes = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        const std::uint16_t code = EncodeAt(utf8, pos, &length);
        pos += length;
        bytes += code != kNone && code >= 0x100 ? 2 : 1;
    }
    return bytes;
}

}  // namespace torva
