#pragma once
// The editor's command line: an optional definition path, which the runtime sends quoted and marked
// with "|TORVA" when its editor entry is used.

#include <string>
#include <string_view>

namespace torva::editor {

inline constexpr std::string_view kRuntimeMarker = "|TORVA";

struct StartCommand {
    std::string path;  // full path of the definition to open; empty = start untitled
    bool startedByRuntime = false;

    bool operator==(const StartCommand&) const = default;
};

// One leading and one trailing double quote are removed, then the marker. A path that has no drive
// (second character ":") and is no network path ("\\") is taken to be in the program folder.
StartCommand ParseStartCommand(std::string_view commandLine, std::string_view programFolder);

}  // namespace torva::editor
