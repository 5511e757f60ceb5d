#include "common/program_arguments.h"

namespace torva {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// True when text starts with prefix, ASCII letters compared without case, and the prefix ends at a
// blank or at the end of the text.
bool StartsWithName(std::string_view text, std::string_view prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char a = text[i] == '/' ? '\\' : text[i];
        const char b = prefix[i] == '/' ? '\\' : prefix[i];
        if (FoldAscii(a) != FoldAscii(b)) return false;
    }
    return text.size() == prefix.size() || IsBlank(text[prefix.size()]);
}

std::size_t NameLength(std::string_view line, std::string_view programPath) {
    if (!line.empty() && line.front() == '"') {
        const std::size_t close = line.find('"', 1);
        return close == std::string_view::npos ? line.size() : close + 1;
    }
    if (StartsWithName(line, programPath)) return programPath.size();
    constexpr std::string_view kExe = ".exe";
    if (programPath.size() > kExe.size()) {
        const std::string_view stem = programPath.substr(0, programPath.size() - kExe.size());
        if (StartsWithName(programPath.substr(stem.size()), kExe) && StartsWithName(line, stem))
            return stem.size();
    }
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    return end;
}

}  // namespace

std::string_view ArgumentText(std::string_view commandLine, std::string_view programPath) {
    std::string_view rest = commandLine.substr(NameLength(commandLine, programPath));
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    return rest;
}

}  // namespace torva
