#include "runtime/command_line.h"

#include "common/path.h"
#include "common/utf8.h"

namespace torva::runtime {

DefinitionLocation ResolveDefinitionPath(std::string_view commandLine, std::string_view programFolder) {
    std::string_view text = commandLine;
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);

    DefinitionLocation out;
    // Blanks alone name no file: they mean the default as an empty line does.
    if (TrimBlanks(text).empty()) {
        out.path = std::string(programFolder) + "\\TORVA.TVX";
    } else {
        // Positions are characters; the first two of a path that matter here are ASCII or not,
        // and a multi-byte first character can never be followed by an ASCII ":" that is its part.
        const std::string second = MidChars(text, 2, 1);
        const bool absolute = second == ":" || text.substr(0, 2) == "\\\\";
        out.path = absolute ? std::string(text) : std::string(programFolder) + "\\" + std::string(text);
    }
    out.folder = FolderPart(out.path);
    return out;
}

}  // namespace torva::runtime
