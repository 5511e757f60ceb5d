#pragma once
// Texts as the programs store them: every line ended by CR LF.

#include <string>
#include <vector>

namespace torva::testing {

inline std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace torva::testing
