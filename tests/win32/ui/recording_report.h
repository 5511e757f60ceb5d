#pragma once
// A FatalReport that records instead of ending the process, composing the text the runtime's report
// would show from an error state that the handlers under test set.

#include <string>
#include <vector>

#include "common/error_state.h"
#include "common/fatal_report.h"
#include "ui/win32/fatal_guard.h"

namespace torva::test {

class RecordingReport : public ui::win32::FatalReport {
  public:
    void ReportFatal(int runErrorNumber) noexcept override {
        texts.push_back(ComposeFatalText(state, runErrorNumber));
    }

    ErrorState state;
    std::vector<std::string> texts;
};

inline std::string GenericReport(int code, int runErrorNumber) {
    return "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = " + std::to_string(code) +
           " : " + std::to_string(runErrorNumber);
}

}  // namespace torva::test
