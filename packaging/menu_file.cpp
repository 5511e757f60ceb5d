#include "packaging/menu_file.h"

#include <memory>

#include "common/path.h"
#include "definition/definition_reader.h"
#include "tools/tool_options.h"

namespace torva::packaging {

namespace {

bool IsAbsolute(std::string_view path) {
    return (path.size() >= 2 && path[1] == ':') || path.starts_with("\\\\");
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string ResolveMenuFilePath(std::string_view menuFile, std::string_view packageFolder) {
    if (IsAbsolute(menuFile) || packageFolder.empty()) return std::string(menuFile);
    return JoinPath(packageFolder, menuFile);
}

std::string EncodeMenuFileData(const MenuFileData& data) {
    std::string text = data.programFolder + '|' + data.source + '|';
    text.reserve(text.size() + data.bytes.size() * 2);
    for (const char c : data.bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += kHexDigits[b >> 4];
        text += kHexDigits[b & 0x0F];
    }
    return text;
}

std::optional<MenuFileData> DecodeMenuFileData(std::string_view text) {
    const auto first = text.find('|');
    if (first == std::string_view::npos || first == 0) return std::nullopt;
    const auto second = text.find('|', first + 1);
    if (second == std::string_view::npos) return std::nullopt;
    const std::string_view hex = text.substr(second + 1);
    if (hex.size() % 2 != 0) return std::nullopt;
    MenuFileData data{
        std::string(text.substr(0, first)), std::string(text.substr(first + 1, second - first - 1)), {}};
    data.bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexValue(hex[i]);
        const int low = HexValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        data.bytes += static_cast<char>(high * 16 + low);
    }
    return data;
}

std::string MenuFilePath(std::string_view programFolder) {
    return JoinPath(programFolder, kMenuFileName);
}

MenuFileVerdict CheckMenuFile(std::string_view bytes, const std::string& programFolder,
                              const std::string& windowsFolder, const std::string& systemFolder,
                              const platform::FileSystem& files) {
    const definition::ReaderContext context{definition::ReaderPolicy::Runtime(),
                                            {programFolder, programFolder, windowsFolder, systemFolder},
                                            files,
                                            MenuFilePath(programFolder)};
    // The model holds every page at its full size: too big for a custom action's stack.
    auto def = std::make_unique<definition::MenuDefinition>();
    const definition::ReadResult read = definition::readDefinitionBytes(bytes, *def, context);
    MenuFileVerdict verdict;
    verdict.accepted = read.runErrorNumber == 0 && !read.stopped;
    for (const auto& failure : read.failures) verdict.lines.push_back(tools::FailureLine(failure));
    if (read.runErrorNumber != 0) verdict.lines.push_back(tools::RunErrorLine(read));
    return verdict;
}

}  // namespace torva::packaging
