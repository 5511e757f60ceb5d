#include "common/number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

#include "common/run_error.h"

namespace torva {

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Moves pos past the leading blanks and an optional sign; true when the sign was a minus.
inline bool SkipBlanksAndSign(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) return text[pos++] == '-';
    return false;
}
}  // namespace

double LeadingNumber(std::string_view text, bool allowDecimals) {
    std::size_t pos = 0;
    const bool negative = SkipBlanksAndSign(text, pos);
    // A whole number of up to 15 digits is exact in a double, summed digit by digit: most fields.
    const std::size_t start = pos;
    double whole = 0.0;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < 15)
        whole = whole * 10 + (text[pos++] - '0');
    const bool more = pos < text.size() && (IsDigit(text[pos]) || (allowDecimals && text[pos] == '.'));
    if (!more) return pos == start ? 0.0 : (negative ? -whole : whole);
    pos = start;
    // Otherwise the digits are collected and converted in one correctly rounded step; summing digit by
    // digit drifts in the last bits, and a product such as seconds times 1000 then rounds the other way.
    std::string digits;
    bool any = false;
    while (pos < text.size() && IsDigit(text[pos])) {
        digits += text[pos++];
        any = true;
    }
    if (allowDecimals && pos < text.size() && text[pos] == '.') {
        ++pos;
        std::string fraction;
        while (pos < text.size() && IsDigit(text[pos])) fraction += text[pos++];
        if (!fraction.empty()) {
            any = true;
            digits += '.';
            digits += fraction;
        }
    }
    if (!any) return 0.0;
    if (digits.front() == '.') digits.insert(digits.begin(), '0');
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    (void)end;
    // Only a magnitude beyond double can fail here; it must still overflow the checked conversions.
    if (ec == std::errc::result_out_of_range) value = HUGE_VAL;
    return negative ? -value : value;
}

namespace {
double RoundHalfEven(double value) {
    if (!std::isfinite(value)) throw RunError(kErrOverflow, "overflow");
    return std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
}
}  // namespace

int16_t ToInt16Checked(double value) {
    const double r = RoundHalfEven(value);
    if (r < -32768.0 || r > 32767.0) throw RunError(kErrOverflow, "overflow");
    return static_cast<int16_t>(r);
}

int16_t LeadingInt16(std::string_view text, bool allowDecimals) {
    if (!allowDecimals) {
        // A whole number has nothing to round: its digits are checked as they come, without the
        // floating-point rounding call that costs more than a definition line's other fields together.
        std::size_t pos = 0;
        const bool negative = SkipBlanksAndSign(text, pos);
        const long limit = negative ? 32768 : 32767;
        long value = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            value = value * 10 + (text[pos++] - '0');
            if (value > limit) throw RunError(kErrOverflow, "overflow");
        }
        return static_cast<int16_t>(negative ? -value : value);
    }
    return ToInt16Checked(LeadingNumber(text, allowDecimals));
}

int32_t ToInt32Checked(double value) {
    const double r = RoundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0) throw RunError(kErrOverflow, "overflow");
    return static_cast<int32_t>(r);
}

}  // namespace torva
