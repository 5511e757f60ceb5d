#pragma once
// Values written one per line in the test-facing logs (power requests, probe records): "%", CR and
// LF become "%25", "%0D" and "%0A", so a value never breaks its line and reads back unchanged.

#include <string>
#include <string_view>

namespace torva {

std::string EscapeLineValue(std::string_view value);

// The reverse; a "%" not followed by two hexadecimal digits is kept as it stands.
std::string UnescapeLineValue(std::string_view value);

}  // namespace torva
