// Character counts and cuts must never split a multi-byte character, and trims touch blanks only.
#include "common/utf8.h"

#include <gtest/gtest.h>

namespace torva {
namespace {

TEST(Utf8, SequenceLengthRejectsMalformedForms) {
    struct Case {
        std::string text;
        std::size_t length;
    } cases[] = {
        {"A", 1},
        {"\xC3\xA9", 2},          // é
        {"\xE8\xA1\xA8", 3},      // 表
        {"\xF0\x9F\x98\x80", 4},  // emoji
        {"\xC0\xAF", 1},          // overlong "/"
        {"\xC1\xBF", 1},
        {"\xE0\x81\x9C", 1},      // overlong "\"
        {"\xED\xA0\x80", 1},      // surrogate
        {"\xF0\x80\x80\xAF", 1},  // overlong
        {"\xF4\x90\x80\x80", 1},  // past U+10FFFF
        {"\xF5\x80\x80\x80", 1},
        {"\x80", 1},          // lone continuation
        {"\xE8\xA1", 1},      // truncated
        {"\xE8\x41\xA8", 1},  // broken by ASCII
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8SequenceLength(c.text, 0), c.length) << ::testing::PrintToString(c.text);
}

TEST(Utf8, DecodeAndAppendAreInverse) {
    for (const char32_t cp : {U'\0', U'A', U'\u00E9', U'\u8868', U'\uFF61', U'\U0001F600', U'\U0010FFFF'}) {
        std::string s;
        AppendUtf8(s, cp);
        std::size_t len = 0;
        EXPECT_EQ(DecodeAt(s, 0, &len), cp);
        EXPECT_EQ(len, s.size());
    }
    std::size_t len = 0;
    EXPECT_EQ(DecodeAt("\xE0\x81\x9C", 0, &len), U'\uFFFD');
    EXPECT_EQ(len, 1u);
}

TEST(Utf8, CountsAndCutsByCharacter) {
    const std::string text = "aメニュー表b";  // 7 characters, 1 + 3 * 5 + 1 bytes
    EXPECT_EQ(CharCount(text), 7u);
    EXPECT_EQ(CharCount(""), 0u);
    EXPECT_EQ(CharCount("\xE8\xA1"), 2u);  // malformed bytes count one each, nothing is lost
    struct Cut {
        std::string got;
        std::string want;
    } cuts[] = {
        {LeftChars(text, 0), ""},
        {LeftChars(text, 2), "aメ"},
        {LeftChars(text, 99), text},
        {RightChars(text, 2), "表b"},
        {RightChars(text, 0), ""},
        {RightChars(text, 99), text},
        {MidChars(text, 2, 3), "メニュ"},
        {MidChars(text, 5), "ー表b"},
        {MidChars(text, 0, 1), "a"},  // position 0 is read as 1
        {MidChars(text, 7), "b"},
        {MidChars(text, 8), ""},
        {MidChars(text, 99, 3), ""},
        {MidChars(text, 6, 99), "表b"},
        {LeftChars("\xE8\xA1x", 2), "\xE8\xA1"},
    };
    for (const auto& c : cuts) EXPECT_EQ(c.got, c.want);
}

TEST(Utf8, TrimsBlanksOnly) {
    struct Case {
        std::string in, both, left, right;
    } cases[] = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {"  a b  ", "a b", "a b  ", "  a b"},
        {"\ta\t", "\ta\t", "\ta\t", "\ta\t"},
        {"\u3000表\u3000", "\u3000表\u3000", "\u3000表\u3000", "\u3000表\u3000"},  // full-width space kept
        {" \r\n ", "\r\n", "\r\n ", " \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TrimBlanks(c.in), c.both) << c.in;
        EXPECT_EQ(TrimLeftBlanks(c.in), c.left) << c.in;
        EXPECT_EQ(TrimRightBlanks(c.in), c.right) << c.in;
    }
}

TEST(Utf8, UpperCasesLettersAndKeepsEverythingElse) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"[page2]", "[PAGE2]"},
        {"http://x.jp/a", "HTTP://X.JP/A"},
        {"ａｂｃｚ", "ＡＢＣＺ"},
        {"αβω ς", "ΑΒΩ ς"},
        {"абвя ё", "АБВЯ Ё"},
        {"ⅰⅹ", "ⅠⅩ"},
        {"ひらがなカタカナ表ｶﾅ", "ひらがなカタカナ表ｶﾅ"},
        {"é", "é"},  // not a Shift-JIS letter: left alone
        {"a\xFF"
         "b\xE8\xA1",
         "A\xFF"
         "B\xE8\xA1"},  // malformed bytes copied, not replaced
        {"{|}~`@[", "{|}~`@["},
    };
    for (const auto& c : cases) EXPECT_EQ(UpperLetters(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace torva
