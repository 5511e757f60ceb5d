#pragma once
// Number reading and checked narrowing, as every definition field, script argument and setting
// uses them.

#include <cstdint>
#include <string_view>

namespace torva {

// The leading decimal number of a text: leading blanks are skipped, an optional sign is taken, then
// digits (and, when allowed, one decimal point with more digits). Anything after the number is
// ignored; an empty or non-numeric text gives 0.
double LeadingNumber(std::string_view text, bool allowDecimals = false);

// Rounds half to even (the classic integer conversion) and raises RunError(kErrOverflow) when the
// value does not fit.
int16_t ToInt16Checked(double value);
int32_t ToInt32Checked(double value);

// LeadingNumber followed by the checked 16-bit conversion.
int16_t LeadingInt16(std::string_view text, bool allowDecimals = false);

}  // namespace torva
