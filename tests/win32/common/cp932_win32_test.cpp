// The Windows codec must agree byte for byte with the native one on the texts our files hold.
#include <gtest/gtest.h>

#include "common/cp932.h"

namespace torva {
namespace {

TEST(Cp932Win32, JapaneseRoundTrip) {
    const std::string text = "メニュー編集(&E) ﾊﾞｰｼﾞｮﾝ 表\\";
    const auto encoded = EncodeCp932(text);
    EXPECT_EQ(encoded.unmappable, 0u);
    // "表" is 0x95 0x5C: the trailing byte is a backslash byte.
    EXPECT_NE(encoded.bytes.find("\x95\x5C"), std::string::npos);
    const auto decoded = DecodeCp932(encoded.bytes);
    EXPECT_EQ(decoded.invalid, 0u);
    EXPECT_EQ(decoded.text, text);
}

TEST(Cp932Win32, InvalidBytesAreReplacedAndCounted) {
    const auto decoded = DecodeCp932(std::string("A\x81", 2));
    EXPECT_EQ(decoded.invalid, 1u);
    EXPECT_EQ(decoded.text, "A\xEF\xBF\xBD");
}

}  // namespace
}  // namespace torva
