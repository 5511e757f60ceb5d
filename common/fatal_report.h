#pragma once
// Texts of the fatal-error boxes. Lines are separated by a bare CR, as the boxes have always shown.

#include <string>
#include <string_view>

#include "common/error_state.h"

namespace torva {

inline constexpr std::string_view kCr = "\r";
inline constexpr std::string_view kUnrecoverableMessage = "継続不可能なエラーが発生しました。";
inline constexpr std::string_view kProcessingEnds = "処理を終了します。";
inline constexpr std::string_view kNumberSeparator = " : ";
inline constexpr std::string_view kScriptSeparator = ":";

// Titles of the fatal-error boxes: each program's name in capitals; the document opener and the
// runtime share "TORVA".
inline constexpr std::string_view kRuntimeBoxTitle = "TORVA";
inline constexpr std::string_view kEditorBoxTitle = "TVSETUP";
inline constexpr std::string_view kScriptBoxTitle = "TVSCRIPT";
inline constexpr std::string_view kOpenerBoxTitle = "TORVA";
inline constexpr std::string_view kMessageViewerBoxTitle = "TVRMSG";

// The runtime's, the editor's and the script runner's report: below 500 the message and the detail,
// otherwise the generic two lines; then "ErrorNo = code : number".
// The script runner's box joins code and number with a bare ":" (kScriptSeparator).
std::string ComposeFatalText(const ErrorState& state, int runErrorNumber,
                             std::string_view separator = kNumberSeparator);

// The small programs' report: their one message, two CRs and the same "ErrorNo = " line.
std::string ComposeSmallProgramText(std::string_view message, int code, int runErrorNumber);

// "ErrorNo = code : number" (or with another separator between code and number)
std::string ErrorNumberLine(int code, int runErrorNumber, std::string_view separator = kNumberSeparator);

}  // namespace torva
