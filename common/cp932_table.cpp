// The code page 932 codec of every build: ASCII copied as it is, every other character looked up in
// the answers of the build's code page (cp932_answers.h) with no per-call set-up.
#include <bit>
#include <cstdint>
#include <cstring>

#include "common/cp932.h"
#include "common/cp932_answers.h"
#include "common/utf8.h"

namespace torva {

namespace {

using cp932::kLead;
using cp932::kNone;

static_assert(std::endian::native == std::endian::little, "an ASCII run's end is found low byte first");

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

// Copies the ASCII run at in[pos] (up to end) to out, eight bytes at a time: a word that holds the
// run's end is copied whole, and only its ASCII bytes counted (out has room for the rest), so that
// short runs between other characters take no byte-by-byte loop.
inline void CopyAscii(const unsigned char* in, std::size_t& pos, std::size_t end, char*& out) {
    while (pos + 8 <= end) {
        std::uint64_t word;
        std::memcpy(&word, in + pos, 8);
        std::memcpy(out, &word, 8);
        const std::uint64_t high = word & kHighBits;
        if (high != 0) {
            const auto ascii = static_cast<std::size_t>(std::countr_zero(high) >> 3);
            out += ascii;
            pos += ascii;
            return;
        }
        out += 8;
        pos += 8;
    }
    while (pos < end && in[pos] < 0x80) *out++ = static_cast<char>(in[pos++]);
}

// A character of the BMP as UTF-8, written as four bytes of which the first one to three count (the
// buffer has room): without a branch, as characters of different lengths come mixed.
inline char* PutUtf8(char* out, std::uint32_t cp) {
    const std::uint32_t two = (0xC0 | cp >> 6) | (0x80 | (cp & 0x3F)) << 8;
    const std::uint32_t three =
        (0xE0 | cp >> 12) | (0x80 | ((cp >> 6) & 0x3F)) << 8 | (0x80 | (cp & 0x3F)) << 16;
    const std::uint32_t bytes = cp < 0x80 ? cp : (cp < 0x800 ? two : three);
    std::memcpy(out, &bytes, 4);
    return out + 1 + (cp >= 0x800 ? 1 : 0) + (cp >= 0x80 ? 1 : 0);
}

// The Shift-JIS form of the non-ASCII character at pos, kNone when it has none; *length is the UTF-8
// sequence it took, a malformed byte counting alone.
inline std::uint16_t EncodeAt(std::string_view utf8, std::size_t pos, std::size_t* length) {
    const char32_t cp = DecodeAt(utf8, pos, length);
    if (*length == 1 || cp > 0xFFFF) return kNone;
    return cp932::CodeOf(static_cast<char16_t>(cp));
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
    // Three UTF-8 bytes at most for each byte, and a pair may end one byte past the block; characters
    // are written four bytes and ASCII eight bytes at a time, of which only some count.
    char buffer[kBlock * 3 + 8];
    for (std::size_t pos = 0; pos < size;) {
        const std::size_t blockEnd = size - pos > kBlock ? pos + kBlock : size;
        char* out = buffer;
        while (pos < blockEnd) {
            const unsigned char byte = in[pos];
            if (byte < 0x80) {
                CopyAscii(in, pos, blockEnd, out);
                continue;
            }
            const std::uint16_t single = cp932::SingleByte(byte);
            if (single == kLead) {
                if (pos + 1 < size) {
                    const std::uint16_t pair = cp932::DoubleByte(byte, in[pos + 1]);
                    if (pair != kNone) {
                        out = PutUtf8(out, pair);
                        pos += 2;
                        continue;
                    }
                }
            } else if (single != kNone) {
                out = PutUtf8(out, single);
                ++pos;
                continue;
            }
            // One bad byte becomes one replacement character; decoding resumes right after it.
            out = PutUtf8(out, kReplacement);
            ++result.invalid;
            ++pos;
        }
        result.text.append(buffer, static_cast<std::size_t>(out - buffer));
    }
    return result;
}

Cp932Encoded EncodeCp932(std::string_view utf8) {
    Cp932Encoded result;
    result.bytes.reserve(utf8.size());  // never more bytes than the UTF-8 text
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    char buffer[kBlock * 2 + 8];  // two bytes at most for each character
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t blockEnd = utf8.size() - pos > kBlock ? pos + kBlock : utf8.size();
        char* out = buffer;
        while (pos < blockEnd) {
            if (in[pos] < 0x80) {
                CopyAscii(in, pos, blockEnd, out);
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
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++bytes;
            ++pos;
            continue;
        }
        std::size_t length = 1;
        const std::uint16_t code = EncodeAt(utf8, pos, &length);
        pos += length;
        bytes += code != kNone && code >= 0x100 ? 2 : 1;
    }
    return bytes;
}

}  // namespace torva
