#pragma once
// Reading a JSON file named on Tvtool's command line.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "tools/tool_environment.h"

namespace torva::tools {

// Larger inputs are refused rather than read into memory: no definition comes near this.
inline constexpr std::size_t kMaxJsonInput = 16u * 1024u * 1024u;

// The parsed file; nothing, after one line on the error stream, when it is missing, a folder, too
// large, unreadable or not JSON.
std::optional<nlohmann::json> ReadJsonInput(const std::string& file, ToolEnvironment& environment);

}  // namespace torva::tools
