#include "common/path.h"

#include "common/utf8.h"

namespace torva {

std::string FolderPart(std::string_view path) {
    const auto slash = path.rfind('\\');
    if (slash == std::string_view::npos) return {};
    // Character position (1-based) of that backslash; the scan never looks at the first two.
    const std::size_t p = CharCount(path.substr(0, slash)) + 1;
    if (p < 3) return {};
    if (p == 3) return std::string(path.substr(0, slash + 1));
    return std::string(path.substr(0, slash));
}

bool IsAddress(std::string_view text) {
    return UpperStartsWith(text, "HTTP:") || UpperStartsWith(text, "HTTPS:");
}

std::string LaunchExtension(std::string_view path, bool leadingDotCounts) {
    return UpperLetters(LaunchExtensionAsWritten(path, leadingDotCounts));
}

std::string_view LaunchExtensionAsWritten(std::string_view path, bool leadingDotCounts) {
    if (IsAddress(path)) return {};
    for (std::size_t i = path.size(); i-- > 0;) {
        if (path[i] == '\\') return {};
        if (path[i] == '.') {
            // Byte 0 is character 1 in any encoding.
            if (i == 0 && !leadingDotCounts) return {};
            std::string_view ext = path.substr(i + 1);
            const auto bar = ext.find('|');
            if (bar != std::string_view::npos) ext = ext.substr(0, bar);
            return ext;
        }
    }
    return {};
}

std::string JoinPath(std::string_view folder, std::string_view name) {
    std::string out;
    AssignJoinedPath(out, folder, name);
    return out;
}

void AssignJoinedPath(std::string& out, std::string_view folder, std::string_view name) {
    std::string_view rest = name;
    while (!rest.empty() && rest.front() == '\\') rest.remove_prefix(1);
    const bool separator = !folder.empty() && folder.back() != '\\';
    out.reserve(folder.size() + 1 + rest.size());
    out.assign(folder);
    if (separator) out += '\\';
    out += rest;
}

}  // namespace torva
