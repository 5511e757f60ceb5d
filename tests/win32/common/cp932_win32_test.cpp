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

TEST(Cp932Win32, EveryValidDoubleByteCharacterRoundTrips) {
    testing::ExpectEveryDoubleByteCodeRoundTrips();
}

}  // namespace
}  // namespace torva
