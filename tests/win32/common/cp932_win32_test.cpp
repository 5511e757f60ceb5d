// The Windows codec must agree byte for byte with the native one on the texts our files hold: both
// run the same table.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "tests/unit/common/cp932_cases.h"

namespace torva {
namespace {

TEST(Cp932Win32, DecodesAndEncodesTheTables) {
    testing::ExpectCp932Tables();
}

TEST(Cp932Win32, EveryDecodedCharacterEncodesBack) {
    std::size_t assigned = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const auto decoded = DecodeCp932(bytes);
            if (decoded.invalid != 0) continue;
            ++assigned;
            const auto encoded = EncodeCp932(decoded.text);
            EXPECT_EQ(encoded.unmappable, 0u) << std::hex << lead << " " << trail;
            EXPECT_EQ(Cp932ToUtf8(encoded.bytes), decoded.text) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(assigned, 7000u);
}

}  // namespace
}  // namespace torva
