// The Windows codec converts by look-ups in the system's answers for single characters. It must give
// exactly what the system's code page 932 conversion gives: for every input of one and two bytes,
// every code point of the BMP, bad bytes and characters without a form among good ones, and whole
// texts converted in one system call. And it must agree with the native codec on the texts our files
// hold.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <random>

#include "common/cp932.h"
#include "common/utf8.h"
#include "tests/unit/common/cp932_cases.h"

namespace torva {
namespace {

TEST(Cp932Win32, DecodesAndEncodesTheTables) {
    testing::ExpectCp932Tables();
}

TEST(Cp932Win32, EveryValidDoubleByteCharacterRoundTrips) {
    testing::ExpectEveryDoubleByteCodeRoundTrips();
}

// The codec converts whole texts in one call; character by character through the system, as its
// reference, every mixture of good and bad input must come out the same.
std::string DecodeEachCharacter(std::string_view bytes, std::size_t& invalid) {
    std::string text;
    invalid = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t len =
            IsCp932LeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size() ? 2 : 1;
        wchar_t unit = 0;
        if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data() + pos, static_cast<int>(len), &unit,
                                1) == 1) {
            AppendUtf8(text, static_cast<char16_t>(unit));
            pos += len;
        } else {
            AppendUtf8(text, 0xFFFD);
            ++invalid;
            ++pos;
        }
    }
    return text;
}

std::string EncodeEachCharacter(std::string_view utf8, std::size_t& unmappable) {
    std::string bytes;
    unmappable = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t len = 0;
        const char32_t cp = DecodeAt(utf8, pos, &len);
        pos += len;
        char buffer[4];
        BOOL usedDefault = FALSE;
        const wchar_t unit = static_cast<wchar_t>(cp);
        const int n = cp >= 0x10000 || cp == 0xFFFD
                          ? 0
                          : WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &unit, 1, buffer, sizeof buffer,
                                                nullptr, &usedDefault);
        if (n <= 0 || usedDefault) {
            bytes += '?';
            ++unmappable;
        } else {
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    return bytes;
}

// Counts rather than one failure per input: a wrong table would otherwise print thousands of lines.
class SystemReference {
  public:
    void Decodes(const std::string& bytes) {
        std::size_t invalid = 0;
        const std::string text = DecodeEachCharacter(bytes, invalid);
        const Cp932Decoded decoded = DecodeCp932(bytes);
        if (decoded.text != text || decoded.invalid != invalid) Note("decoding " + testing::HexBytes(bytes));
    }
    void Encodes(const std::string& utf8) {
        std::size_t unmappable = 0;
        const std::string bytes = EncodeEachCharacter(utf8, unmappable);
        const Cp932Encoded encoded = EncodeCp932(utf8);
        if (encoded.bytes != bytes || encoded.unmappable != unmappable ||
            Cp932ByteLength(utf8) != bytes.size())
            Note("encoding " + testing::HexBytes(utf8));
    }
    void Expect() const { EXPECT_EQ(wrong_, 0u) << first_; }

  private:
    void Note(const std::string& what) {
        if (wrong_++ == 0) first_ = what;
    }
    std::size_t wrong_ = 0;
    std::string first_;
};

TEST(Cp932Win32, DecodesEveryInputOfOneAndTwoBytesAsTheSystem) {
    SystemReference system;
    for (int a = 0; a < 256; ++a) {
        system.Decodes(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b) system.Decodes(std::string{static_cast<char>(a), static_cast<char>(b)});
    }
    // A lead byte whose second byte makes no pair leaves that byte to start the next character.
    for (int lead = 0x80; lead < 256; ++lead) {
        for (const int trail : {0x0A, 0x20, 0x3F, 0x40, 0x7F, 0x80, 0xA0, 0xFC, 0xFD}) {
            system.Decodes(std::string{static_cast<char>(lead), static_cast<char>(trail), '\x95', '\x5C'});
            system.Decodes(
                std::string{'A', static_cast<char>(lead), static_cast<char>(trail), static_cast<char>(lead)});
        }
    }
    system.Expect();
}

TEST(Cp932Win32, EncodesEveryCodePointOfTheBmpAndASampleBeyondAsTheSystem) {
    SystemReference system;
    for (char32_t cp = 0; cp < 0x110000; cp += cp < 0x10000 ? 1 : 0x3FF) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf8 = "a";
        AppendUtf8(utf8, cp);
        utf8 += "z";
        system.Encodes(utf8);
    }
    system.Expect();
}

// The code page's known trouble spots, where converters of other systems differ from this one: the
// codec answers as the system does, whatever that is.
TEST(Cp932Win32, TroubleSpotsAsTheSystem) {
    SystemReference system;
    for (const int code : {0x5C, 0x7E, 0x80, 0xA0, 0xFD, 0xFE, 0xFF})
        system.Decodes(std::string(1, static_cast<char>(code)));
    for (const int code : {0x815F, 0x8160, 0x8161, 0x817C, 0x8191, 0x8192, 0x81CA, 0x8790, 0x8791, 0x8792,
                           0xED40, 0xEEF9, 0xEEFC, 0xFA40, 0xFA54, 0xFA5B, 0xFC4B, 0xF040, 0xF9FC}) {
        system.Decodes(std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    }
    for (const char32_t cp : {0x5CU,   0x7EU,   0x80U,   0xA2U,   0xA3U,   0xA5U,   0xA6U,   0xACU,   0x2014U,
                              0x2015U, 0x2016U, 0x203EU, 0x2212U, 0x2225U, 0x301CU, 0xFF3CU, 0xFF5EU, 0xFFE0U,
                              0xFFE1U, 0xFFE2U, 0xFFE4U, 0xE000U, 0xE757U, 0xF8F0U, 0xF8F3U, 0xFFFDU}) {
        std::string utf8;
        AppendUtf8(utf8, cp);
        system.Encodes(utf8);
    }
    system.Expect();
}

// The codec never changes what a whole valid text gives: the system converting all of it in one call
// is the reference here.
TEST(Cp932Win32, ValidTextsConvertAsTheSystemDoesInOneCall) {
    std::string bytes;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t unit = 0;
            if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair, 2, &unit, 1) == 1) bytes.append(pair, 2);
        }
    }
    for (int b = 0x20; b < 0x100; ++b) {
        const char one = static_cast<char>(b);
        wchar_t unit = 0;
        if (!IsCp932LeadByte(static_cast<unsigned char>(b)) &&
            MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, &one, 1, &unit, 1) == 1)
            bytes += one;
    }
    std::wstring wide(bytes.size(), L'\0');
    const int units =
        MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                            wide.data(), static_cast<int>(wide.size()));
    ASSERT_GT(units, 7000);
    std::string text;
    for (int i = 0; i < units; ++i)
        AppendUtf8(text, static_cast<char16_t>(wide[static_cast<std::size_t>(i)]));
    const Cp932Decoded decoded = DecodeCp932(bytes);
    EXPECT_EQ(decoded.invalid, 0u);
    EXPECT_TRUE(decoded.text == text);

    std::string encodedBySystem(bytes.size() * 2, '\0');
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), units, encodedBySystem.data(),
                                      static_cast<int>(encodedBySystem.size()), nullptr, &usedDefault);
    ASSERT_GT(n, 0);
    ASSERT_FALSE(usedDefault);
    encodedBySystem.resize(static_cast<std::size_t>(n));
    const Cp932Encoded encoded = EncodeCp932(text);
    EXPECT_EQ(encoded.unmappable, 0u);
    EXPECT_TRUE(encoded.bytes == encodedBySystem);
}

TEST(Cp932Win32, WholeTextsConvertAsCharacterByCharacter) {
    const std::string pieces[] = {
        "A",         "\\",          "\r\n",     "\x81", "\x95\x5C",     "\xA0",
        "\xD2",      "\x87\x40",    "\xFA\x40", "\xFD", "\x80",         "\xE3\x81",
        "\xC3",      "表",          "ﾒ",        "～",   "\xE2\x80\x94", "\xF0\x9F\x98\x80",
        "ＭＳ 明朝", "\xEF\xBF\xBD"};
    std::mt19937 rng(932);
    for (int round = 0; round < 3000; ++round) {
        std::string s;
        const int count = static_cast<int>(rng() % (round < 2900 ? 12 : 4000));
        for (int i = 0; i < count; ++i) s += pieces[rng() % std::size(pieces)];
        std::size_t invalid = 0;
        const std::string text = DecodeEachCharacter(s, invalid);
        const Cp932Decoded decoded = DecodeCp932(s);
        EXPECT_EQ(decoded.text, text) << round;
        EXPECT_EQ(decoded.invalid, invalid) << round;
        std::size_t unmappable = 0;
        const std::string bytes = EncodeEachCharacter(s, unmappable);
        const Cp932Encoded encoded = EncodeCp932(s);
        EXPECT_EQ(encoded.bytes, bytes) << round;
        EXPECT_EQ(encoded.unmappable, unmappable) << round;
        EXPECT_EQ(Cp932ByteLength(s), bytes.size()) << round;
    }
}

}  // namespace
}  // namespace torva
