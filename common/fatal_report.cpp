#include "common/fatal_report.h"

namespace torva {

std::string ErrorNumberLine(int code, int runErrorNumber, std::string_view separator) {
    std::string line = "ErrorNo = " + std::to_string(code);
    line += separator;
    line += std::to_string(runErrorNumber);
    return line;
}

std::string ComposeFatalText(const ErrorState& state, int runErrorNumber, std::string_view separator) {
    std::string text;
    if (state.code < 500) {
        text = state.message;
        text += kCr;
        text += state.detail;
    } else {
        text = kUnrecoverableMessage;
        text += kCr;
        text += kProcessingEnds;
    }
    text += kCr;
    text += ErrorNumberLine(state.code, runErrorNumber, separator);
    return text;
}

std::string ComposeSmallProgramText(std::string_view message, int code, int runErrorNumber) {
    std::string text(message);
    text += kCr;
    text += kCr;
    text += ErrorNumberLine(code, runErrorNumber);
    return text;
}

}  // namespace torva
