// The Windows codec must agree byte for byte with the native one on the texts our files hold: both
// run the same table.
#include <gtest/gtest.h>
#include <windows.h>

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
