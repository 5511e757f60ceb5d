#pragma once
// The fatal-error report of the small programs: one message, two CRs and "ErrorNo = code : number"
// in a critical box with the program's title; then the process ends with the given exit code.

#include <windows.h>

#include <string>

#include "ui/win32/fatal_guard.h"

namespace torva::ui::win32 {

class SmallProgramReport final : public FatalReport {
  public:
    SmallProgramReport(std::string message, int code, std::string title, UINT exitCode)
        : message_(std::move(message)), code_(code), title_(std::move(title)), exitCode_(exitCode) {}

    // The box alone, for a failure caught at the program's entry, which then returns its own code.
    void Show(int runErrorNumber) const noexcept;
    void ReportFatal(int runErrorNumber) noexcept override;

  private:
    std::string message_;
    int code_;
    std::string title_;
    UINT exitCode_;
};

}  // namespace torva::ui::win32
