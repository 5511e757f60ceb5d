#pragma once
// The running instance recorded under "rgDCHK": a process id as decimal text, "0" when none.

#include <cstdint>
#include <optional>
#include <string_view>

namespace torva::runtime {

// The recorded process id worth looking for: nothing for "0", for text that is no process id
// (negative, too large, not a number) and for this process itself.
std::optional<uint32_t> RecordedInstance(std::string_view text, uint32_t currentProcessId);

}  // namespace torva::runtime
