#pragma once
// Reader for shell link (.lnk) files in the published binary format: the header, the optional item
// id list, the link information (local base path or network share) and the string data. Only what
// a dropped shortcut needs is kept. Every offset and length is checked against the data, so a
// truncated or hostile file yields nothing instead of a wild read.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torva::editor {

// Link flags of the header (byte offset 20).
enum ShellLinkFlags : uint32_t {
    kLinkHasTargetIdList = 0x01,
    kLinkHasLinkInfo = 0x02,
    kLinkHasName = 0x04,
    kLinkHasRelativePath = 0x08,
    kLinkHasWorkingDir = 0x10,
    kLinkHasArguments = 0x20,
    kLinkHasIconLocation = 0x40,
    kLinkIsUnicode = 0x80,
};

struct ShellLink {
    uint32_t flags = 0;
    int32_t iconIndex = 0;
    bool hasLinkInfo = false;  // the link information was present and readable
    std::string targetPath;    // from the link information; empty when it names no target
    // String data, UTF-8. Empty when the link does not carry them.
    std::string name;
    std::string relativePath;
    std::string workingDir;
    std::string arguments;
    std::string iconLocation;
    bool hasIconLocation = false;
};

// Parses the bytes of a .lnk file. Nothing when the header is not a shell link header or a part the
// flags announce runs past the end of the data or points outside its block. ANSI texts are taken
// in the system code page (Shift-JIS); Unicode texts are decoded in full.
std::optional<ShellLink> ParseShellLink(std::string_view bytes);

}  // namespace torva::editor
