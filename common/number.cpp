#include "common/number.h"

#include <cmath>

#include "common/run_error.h"

namespace torva {

double LeadingNumber(std::string_view text, bool allowDecimals) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    double value = 0.0;
    bool any = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10.0 + (text[pos] - '0');
        any = true;
        ++pos;
    }
    if (allowDecimals && pos < text.size() && text[pos] == '.') {
        ++pos;
        double scale = 0.1;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            value += (text[pos] - '0') * scale;
            scale /= 10.0;
            any = true;
            ++pos;
        }
    }
    if (!any) return 0.0;
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

int32_t ToInt32Checked(double value) {
    const double r = RoundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0) throw RunError(kErrOverflow, "overflow");
    return static_cast<int32_t>(r);
}

}  // namespace torva
