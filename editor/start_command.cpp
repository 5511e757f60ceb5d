#include "editor/start_command.h"

#include "common/path.h"
#include "common/utf8.h"

namespace torva::editor {

StartCommand ParseStartCommand(std::string_view commandLine, std::string_view programFolder) {
    StartCommand result;
    std::string_view text = commandLine;
    if (text.starts_with('"')) text.remove_prefix(1);
    if (text.ends_with('"')) text.remove_suffix(1);
    if (text.ends_with(kRuntimeMarker)) {
        text.remove_suffix(kRuntimeMarker.size());
        result.startedByRuntime = true;
    }
    // Blanks around the path are noise of the command line, not part of the name: a shell passes
    // "Tvsetup.exe  menu.tvx" with the separator blanks in front.
    std::string path = TrimBlanks(text);
    if (path.empty()) return result;
    const std::size_t first = Utf8SequenceLength(path, 0);
    const bool drive = path.size() > first && path[first] == ':';
    if (!drive && !path.starts_with("\\\\")) path = JoinPath(programFolder, path);
    result.path = std::move(path);
    return result;
}

}  // namespace torva::editor
