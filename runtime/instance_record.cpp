#include "runtime/instance_record.h"

#include "common/number.h"

namespace torva::runtime {

std::optional<uint32_t> RecordedInstance(std::string_view text, uint32_t currentProcessId) {
    const double value = LeadingNumber(text);
    if (value < 1 || value > 4294967295.0) return std::nullopt;
    const auto pid = static_cast<uint32_t>(value);
    if (pid == currentProcessId) return std::nullopt;
    return pid;
}

}  // namespace torva::runtime
