#include "tools/json_input.h"

namespace torva::tools {

std::optional<nlohmann::json> ReadJsonInput(const std::string& file, ToolEnvironment& environment) {
    const std::string path = environment.fullPath(file);
    if (!environment.files.Exists(path) || environment.files.IsFolder(path)) {
        environment.err << "Tvtool: cannot find \"" << path << "\"\n";
        return std::nullopt;
    }
    std::string bytes;
    if (!environment.files.ReadFile(path, bytes)) {
        environment.err << "Tvtool: cannot read \"" << path << "\"\n";
        return std::nullopt;
    }
    if (bytes.size() > kMaxJsonInput) {
        environment.err << "Tvtool: \"" << path << "\" is larger than 16 MiB\n";
        return std::nullopt;
    }
    // A UTF-8 byte order mark, as some Windows editors write, is no part of the JSON.
    const std::string_view text =
        std::string_view(bytes).starts_with("\xEF\xBB\xBF") ? std::string_view(bytes).substr(3) : bytes;
    try {
        return nlohmann::json::parse(text);
    } catch (const nlohmann::json::exception& e) {
        environment.err << "Tvtool: \"" << path << "\" is not JSON: " << e.what() << "\n";
        return std::nullopt;
    }
}

}  // namespace torva::tools
