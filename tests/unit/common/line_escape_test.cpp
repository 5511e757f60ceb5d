#include "common/line_escape.h"

#include <gtest/gtest.h>

namespace torva {
namespace {

TEST(LineEscape, LineBreaksAndPercentRoundTrip) {
    const std::string value = "100% done\r\nnext\rline\n";
    const std::string escaped = EscapeLineValue(value);
    EXPECT_EQ(escaped, "100%25 done%0D%0Anext%0Dline%0A");
    EXPECT_EQ(UnescapeLineValue(escaped), value);
}

}  // namespace
}  // namespace torva
