#pragma once
// Location numbers of the runtime's shared steps that portable code enters (the fatal report shows
// the number of the last step entered).

#include <cstdint>

namespace torva::runtime {

// The extension rule that decides how a button or a start, end or page start entry is launched.
inline constexpr int16_t kExtensionRuleLocation = 981;

}  // namespace torva::runtime
