#include "editor/dialogs/field_text.h"

#include <cmath>
#include <limits>

#include "common/number.h"

namespace torva::editor::dialogs {

long long LeadingWhole(std::string_view text) {
    const double value = LeadingNumber(text);
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    if (!(value >= kLow)) return static_cast<long long>(kLow);  // also NaN, never produced
    if (value > kHigh) return static_cast<long long>(kHigh);
    return static_cast<long long>(value);
}

std::string LeadingNumberText(std::string_view text) {
    return std::to_string(LeadingWhole(text));
}

uint8_t ClampToByte(long long value) {
    if (value < 0) return 0;
    if (value > 255) return 255;
    return static_cast<uint8_t>(value);
}

}  // namespace torva::editor::dialogs
