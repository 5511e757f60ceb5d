#pragma once
// The runner's command line: an optional pair of double quotes, an optional "|TORVA|" marker with
// the caller's window as 8 hexadecimal digits and a separator, then the script path.

#include <cstdint>
#include <string>
#include <string_view>

namespace torva::script {

struct RunnerCommandLine {
    bool empty = false;        // no script named: the runner ends at once
    int32_t callerWindow = 0;  // 0 when absent
    std::string scriptPath;    // made absolute against the runner's folder
};

// A marker with a window number that is not 8 hexadecimal digits raises RunError(type mismatch).
RunnerCommandLine ParseRunnerCommandLine(std::string_view commandLine, std::string_view runnerFolder);

// "\\server\..." and "X:..." (a colon as second character) are absolute, for scripts and programs
// alike; a relative script is in the runner's folder, a relative program is searched for.
bool IsAbsoluteScriptPath(std::string_view path);

}  // namespace torva::script
