#pragma once
// The boundary between Windows and our handlers. Windows calls a window or dialog procedure from
// code that knows nothing of C++ exceptions, so none may cross it: every procedure of the base runs
// its handler through Guarded, which hands an unexpected failure to the program's own report.
//
// A handler names its location first (ErrorLocation in the program's ErrorState); the location is
// not restored on the way out, so the report shows the handler that failed.

#include <exception>

#include "common/run_error.h"

namespace torva::ui::win32 {

// A program's report of an unexpected failure: its fatal-error box with the run-time error number.
// The programs end after it; when it returns (tests do), the handler's fallback result is used.
class FatalReport {
  public:
    virtual ~FatalReport() = default;
    virtual void ReportFatal(int runErrorNumber) noexcept = 0;
};

// Inside a catch block: reports the failure being handled.
inline void ReportCurrentFailure(FatalReport& report) noexcept {
    report.ReportFatal(RunErrorNumberOf(std::current_exception()));
}

template <typename R, typename F>
R Guarded(FatalReport& report, R fallback, F&& handler) noexcept {
    try {
        return handler();
    } catch (...) {
        ReportCurrentFailure(report);
        return fallback;
    }
}

}  // namespace torva::ui::win32
