#pragma once
// Code page 932 facts both codecs (tables from glibc's converter natively, the system's on Windows)
// must agree on: the native unit test and the Windows test run the same table.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "common/cp932.h"

namespace torva::testing {

// Bytes as hexadecimal pairs, for failure messages.
inline std::string HexBytes(std::string_view bytes) {
    std::string out;
    char buffer[4];
    for (const char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", static_cast<unsigned char>(c));
        out += buffer;
    }
    return out;
}

struct Cp932DecodeCase {
    const char* name;
    std::string bytes;  // Shift-JIS input
    std::string text;   // expected UTF-8
    std::size_t invalid;
};

// "表" (0x95 0x5C), "ソ" (0x83 0x5C) and "能" (0x94 0x5C) end in the byte of "\".
inline const Cp932DecodeCase kCp932DecodeCases[] = {
    {"empty", "", "", 0},
    {"ascii", "C:\\TORVA\\A.TVX", "C:\\TORVA\\A.TVX", 0},
    {"trail byte 0x5C", "\x95\x5C\x83\x5C\x94\x5C\\", "表ソ能\\", 0},
    {"half-width katakana", "\xD2\xC6\xAD\xB0", "ﾒﾆｭｰ", 0},
    {"full-width and symbols", "\x82\x60\x82\x81\x81\x40\x81\x60", "Ａａ\u3000～", 0},
    {"lead byte at the end", "A\x81", "A\xEF\xBF\xBD", 1},
    {"lead byte before a blank", "\x81\x20Z", "\xEF\xBF\xBD Z", 1},
    {"lead byte before a control", "\x82\x0D\x0A", "\xEF\xBF\xBD\r\n", 1},
    {"two stranded lead bytes", "\x81\x0A\x81", "\xEF\xBF\xBD\n\xEF\xBF\xBD", 2},
    {"unassigned code", "\x85\x40", "\xEF\xBF\xBD@", 1},
    {"bad byte between good ones", "\x95\x5C\xFF\x95\x5C", "表\xEF\xBF\xBD表", 1},
    {"NUL kept", std::string("a\0b", 3), std::string("a\0b", 3), 0},
};

struct Cp932EncodeCase {
    const char* name;
    std::string text;   // UTF-8 input
    std::string bytes;  // expected Shift-JIS
    std::size_t unmappable;
};

inline const Cp932EncodeCase kCp932EncodeCases[] = {
    {"empty", "", "", 0},
    {"japanese with 0x5C trail", "表示\\ソフト", "\x95\x5C\x8E\xA6\\\x83\x5C\x83\x74\x83\x67", 0},
    {"half-width katakana", "ﾊﾞｰｼﾞｮﾝ", "\xCA\xDE\xB0\xBC\xDE\xAE\xDD", 0},
    {"emoji has no form", "a\xF0\x9F\x98\x80z", "a?z", 1},
    {"replacement character", "\xEF\xBF\xBD", "?", 1},
    {"hangul has no form", "\xED\x95\x9C", "?", 1},
    {"malformed byte",
     "A\xFF"
     "B",
     "A?B", 1},
    {"overlong backslash stays unmappable", "\xE0\x81\x9C", "???", 3},
    {"truncated sequence", "x\xE3\x81", "x??", 2},
};

// Both tables through the codec this test binary is built with.
inline void ExpectCp932Tables() {
    for (const auto& c : kCp932DecodeCases) {
        const auto decoded = DecodeCp932(c.bytes);
        EXPECT_EQ(decoded.text, c.text) << c.name;
        EXPECT_EQ(decoded.invalid, c.invalid) << c.name;
    }
    for (const auto& c : kCp932EncodeCases) {
        const auto encoded = EncodeCp932(c.text);
        EXPECT_EQ(encoded.bytes, c.bytes) << c.name;
        EXPECT_EQ(encoded.unmappable, c.unmappable) << c.name;
        EXPECT_EQ(Cp932ByteLength(c.text), c.bytes.size()) << c.name;
    }
}

// Each assigned two-byte code decodes to one character that encodes back to the same bytes;
// unassigned codes are reported, never silently dropped.
inline void ExpectEveryDoubleByteCodeRoundTrips() {
    std::size_t assigned = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const auto decoded = DecodeCp932(bytes);
            if (decoded.invalid != 0) {
                EXPECT_FALSE(decoded.text.empty());
                continue;
            }
            ++assigned;
            // Characters with two codes (NEC row 13, the NEC-selected and IBM extensions) may come
            // back as their other code; the character itself must survive, and every other code
            // must come back byte for byte.
            const auto encoded = EncodeCp932(decoded.text);
            EXPECT_EQ(encoded.unmappable, 0u) << std::hex << lead << " " << trail;
            EXPECT_EQ(Cp932ToUtf8(encoded.bytes), decoded.text) << std::hex << lead << " " << trail;
            const bool shared = lead == 0x87 || lead == 0xED || lead == 0xEE || lead >= 0xFA;
            if (!shared) {
                EXPECT_EQ(encoded.bytes, bytes) << std::hex << lead << " " << trail;
            }
        }
    }
    EXPECT_GT(assigned, 7000u);
}

}  // namespace torva::testing
