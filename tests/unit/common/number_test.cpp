// The leading-number reading and the checked conversions every field and argument goes through.
#include "common/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "common/run_error.h"

namespace torva {
namespace {

TEST(LeadingNumber, ReadsTheLeadingDecimalNumber) {
    struct Case {
        const char* text;
        bool decimals;
        double value;
    } cases[] = {
        {"", false, 0},           {"abc", false, 0},
        {"12]", false, 12},       {"9]", false, 9},
        {"  42 rest", false, 42}, {"+7", false, 7},
        {"-15x", false, -15},     {"-", false, 0},
        {"+", false, 0},          {"- 5", false, 0},
        {"\t5", false, 0},  // only blanks are skipped
        {"007", false, 7},        {"8.05]", false, 8},
        {"8.05]", true, 8.05},    {".5", true, 0.5},
        {".5", false, 0},         {"5.", true, 5},
        {"-2.5s", true, -2.5},    {"1.2.3", true, 1.2},
        {"1e3", true, 1},         {"０１", false, 0},  // full-width digits are not numbers
        {"32768", false, 32768},  {"12345678901234567890", false, 12345678901234567890.0},
    };
    for (const auto& c : cases) EXPECT_EQ(LeadingNumber(c.text, c.decimals), c.value) << c.text;
}

TEST(LeadingNumber, WholeNumbersAreExactAtEveryLength) {
    // Short whole numbers take a quicker path than long ones and decimals: both must agree with the
    // correctly rounded conversion, and a sign without digits is no negative zero.
    std::string digits;
    for (int length = 1; length <= 22; ++length) {
        digits += static_cast<char>('0' + (length * 7) % 10);
        const double expected = std::strtod(digits.c_str(), nullptr);
        EXPECT_EQ(LeadingNumber(digits), expected) << digits;
        EXPECT_EQ(LeadingNumber("-" + digits + "x"), -expected) << digits;
        EXPECT_EQ(LeadingNumber(digits + ".", true), expected) << digits;
    }
    EXPECT_FALSE(std::signbit(LeadingNumber("-")));
    EXPECT_FALSE(std::signbit(LeadingNumber("-x")));
    EXPECT_TRUE(std::signbit(LeadingNumber("-0")));
}

TEST(LeadingNumber, DecimalsAreCorrectlyRounded) {
    // Digit-by-digit accumulation gives 0.30000000000000004 and rounds 0.3 * 1000 differently.
    EXPECT_EQ(LeadingNumber("0.3", true), 0.3);
    EXPECT_EQ(LeadingNumber("32.767", true), 32.767);
    EXPECT_EQ(ToInt16Checked(LeadingNumber("32.767", true) * 1000.0), 32767);
    EXPECT_EQ(LeadingNumber("1.0000000000000000000000001", true), 1.0);
}

TEST(LeadingNumber, HugeTextsStillOverflowTheConversion) {
    const std::string huge(400, '9');
    EXPECT_TRUE(std::isinf(LeadingNumber(huge)));
    EXPECT_THROW(ToInt16Checked(LeadingNumber(huge)), RunError);
    EXPECT_THROW(ToInt16Checked(LeadingNumber("-" + huge)), RunError);
}

TEST(CheckedConversion, RoundsHalfToEvenWithinRange) {
    struct Case {
        double in;
        int16_t out;
    } cases[] = {
        {0.5, 0},    {1.5, 2},         {2.5, 2},         {-0.5, 0},          {-1.5, -2},         {-2.5, -2},
        {2.4999, 2}, {32767.0, 32767}, {32767.4, 32767}, {-32768.0, -32768}, {-32768.5, -32768}, {-0.0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ToInt16Checked(c.in), c.out) << c.in;
}

TEST(CheckedConversion, RaisesOverflowOutsideRange) {
    for (const double v :
         {32767.5, 32768.0, -32768.6, -32769.0, 1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        try {
            ToInt16Checked(v);
            ADD_FAILURE() << "no overflow for " << v;
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), kErrOverflow) << v;
        }
    }
    EXPECT_EQ(ToInt32Checked(2147483647.4), 2147483647);
    EXPECT_EQ(ToInt32Checked(-2147483648.5), -2147483647 - 1);
    EXPECT_THROW(ToInt32Checked(2147483647.5), RunError);
    EXPECT_THROW(ToInt32Checked(-2147483649.0), RunError);
}

TEST(CheckedConversion, LeadingInt16CombinesBoth) {
    EXPECT_EQ(LeadingInt16("  12 , x"), 12);
    EXPECT_EQ(LeadingInt16("-32768"), -32768);
    EXPECT_EQ(LeadingInt16("2.5", true), 2);
    EXPECT_EQ(LeadingInt16("2.5", false), 2);
    EXPECT_EQ(LeadingInt16("3.5", true), 4);
    EXPECT_THROW(LeadingInt16("32768"), RunError);
    EXPECT_THROW(LeadingInt16("99999]"), RunError);
}

TEST(CheckedConversion, LeadingInt16OfWholeNumbersAgreesWithTheGeneralConversion) {
    // Whole numbers are checked digit by digit instead of through the rounding conversion: the same
    // values and the same overflows, leading zeros and a sign without digits included.
    const std::string zeros(30, '0');
    const std::string huge(400, '9');
    for (const std::string& text : {std::string(""),
                                    std::string("-"),
                                    std::string("+"),
                                    std::string("  -0"),
                                    std::string("12.9"),
                                    std::string("-12.9x"),
                                    std::string(" 32767 "),
                                    std::string("32768"),
                                    std::string("-32768"),
                                    std::string("-32769"),
                                    std::string("+32767"),
                                    zeros + "32767",
                                    zeros + "32768",
                                    "-" + zeros + "32768",
                                    "-" + zeros + "32769",
                                    std::string("99999999999999999999"),
                                    huge,
                                    "-" + huge,
                                    std::string("- 5"),
                                    std::string("\t5"),
                                    std::string("７")}) {
        int expected = 0;
        bool expectedOverflow = false;
        try {
            expected = ToInt16Checked(LeadingNumber(text));
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
            expectedOverflow = true;
        }
        try {
            EXPECT_EQ(LeadingInt16(text), expected) << text;
            EXPECT_FALSE(expectedOverflow) << text;
        } catch (const RunError& e) {
            EXPECT_EQ(e.number(), kErrOverflow) << text;
            EXPECT_TRUE(expectedOverflow) << text;
        }
    }
}

}  // namespace
}  // namespace torva
