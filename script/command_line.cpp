#include "script/command_line.h"

#include "common/run_error.h"
#include "common/utf8.h"

namespace torva::script {

namespace {

constexpr std::string_view kMarker = "|TORVA|";

int32_t ParseWindowNumber(std::string_view digits) {
    if (digits.size() != 8) throw RunError(kErrTypeMismatch, "window number");
    uint32_t value = 0;
    for (const char c : digits) {
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint32_t>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint32_t>(c - 'a' + 10);
        } else {
            throw RunError(kErrTypeMismatch, "window number");
        }
        value = value * 16 + digit;
    }
    // Eight digits fill the 32 bits; the top digit carries the sign, as window handles are passed.
    return static_cast<int32_t>(value);
}

}  // namespace

bool IsAbsoluteScriptPath(std::string_view path) {
    return path.substr(0, 2) == "\\\\" || MidChars(path, 2, 1) == ":";
}

RunnerCommandLine ParseRunnerCommandLine(std::string_view commandLine, std::string_view runnerFolder) {
    std::string_view text = commandLine;
    if (!text.empty() && text.front() == '"') text.remove_prefix(1);
    if (!text.empty() && text.back() == '"') text.remove_suffix(1);

    RunnerCommandLine result;
    std::string path;
    if (text.substr(0, kMarker.size()) == kMarker) {
        const std::string digits = MidChars(text, 8, 8);
        result.callerWindow = ParseWindowNumber(digits);
        path = MidChars(text, 17);
    } else {
        path = text;
    }
    if (TrimBlanks(path).empty()) {
        result.empty = true;
        return result;
    }
    if (IsAbsoluteScriptPath(path)) {
        result.scriptPath = std::move(path);
    } else {
        result.scriptPath = std::string(runnerFolder) + "\\" + path;
    }
    return result;
}

}  // namespace torva::script
