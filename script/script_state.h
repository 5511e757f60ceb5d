#pragma once
// The state of one run of the script runner: one per process, alive for the whole run.

#include <cstdint>
#include <string>
#include <string_view>

namespace torva::script {

struct ScriptState {
    std::string scriptPath;
    std::string scriptFolder;
    std::string runnerFolder;
    std::string windowsFolder;
    std::string systemFolder;
    int32_t callerWindow = 0;
    int32_t lineNumber = 0;
    bool searching = false;
    std::string searchLabel;
    int32_t searchLimit = 0;  // 0: no limit
    int32_t lastExitCode = 0;
    int16_t stepCode = 999;
    std::string errorText;
    std::string errorDetail;
};

// Step codes: before and after the first program line had its extension determined.
inline constexpr int16_t kStepStart = 999;
inline constexpr int16_t kStepAfterExtension = 981;

// Script errors, their numbers and texts.
enum ScriptError : int16_t {
    kErrCommand = 1,
    kErrNoSuchFile = 2,
    kErrBadFileName = 3,
    kErrPageButton = 4,
    kErrCodeTest = 10,
    kErrLabelNotFound = 11,
    kErrStartFailed = 20,
    kErrWaitFailed = 21,
    kErrOpenFailed = 30,
    kErrNoScript = 99,
};

std::string_view ScriptErrorText(ScriptError error);

// Text of the error box: message, CR, detail, CR, "ErrorNo = " step ":" failure number. From 500
// on the message and detail give way to the two generic lines.
std::string ComposeErrorBoxText(const ScriptState& state, int failureNumber);

inline constexpr std::string_view kBoxTitle = "TVSCRIPT";
inline constexpr std::string_view kAskStop = "処理を中止しますか？";
inline constexpr std::string_view kAskContinue = "処理を継続しますか？";

}  // namespace torva::script
