// UTF-8 <-> UTF-16 at every Win32 call: exact for valid text, replacement for broken input.
#include "platform/win32/wide.h"

#include <gtest/gtest.h>

namespace torva::test {
namespace {

TEST(Wide, ConvertsBothWays) {
    struct Case {
        std::string utf8;
        std::wstring utf16;
    } cases[] = {
        {"", L""},
        {"TORVA", L"TORVA"},
        {"表示\\ｶﾅ", L"\u8868\u793A\\\uFF76\uFF85"},
        {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"},  // outside the basic plane: a surrogate pair
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(win32::Wide(c.utf8), c.utf16);
        EXPECT_EQ(win32::Narrow(c.utf16), c.utf8);
    }
}

TEST(Wide, BrokenInputBecomesReplacementCharacters) {
    EXPECT_EQ(win32::Wide("a\xFF"
                          "b"),
              L"a\uFFFDb");
    EXPECT_EQ(win32::Narrow(std::wstring(L"x\xD800y")), "x\xEF\xBF\xBDy");
}

}  // namespace
}  // namespace torva::test
