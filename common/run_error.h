#pragma once
// Unexpected failures travel as this exception from the point of failure to the nearest event
// handler or entry, which shows the program's fatal-error report with the carried number.

#include <exception>
#include <stdexcept>
#include <string>

namespace torva {

// Run-time error numbers shown after "ErrorNo = code : ". They keep the classic numbering that
// administrators of earlier versions know from the reports.
enum RunErrorNumber : int {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrOutOfMemory = 7,
    kErrSubscript = 9,
    kErrTypeMismatch = 13,
    kErrFileNotFound = 53,
    kErrFileAlreadyOpen = 55,
    kErrDeviceIo = 57,
    kErrFileExists = 58,
    kErrDiskFull = 61,
    kErrInputPastEnd = 62,
    kErrPermissionDenied = 70,
    kErrPathFileAccess = 75,
    kErrPathNotFound = 76,
    kErrInvalidPicture = 481,
};

class RunError : public std::runtime_error {
  public:
    explicit RunError(int number, const std::string& what = "run-time error")
        : std::runtime_error(what), number_(number) {}
    int number() const noexcept { return number_; }

  private:
    int number_;
};

// The run-time error number an unexpected failure is reported with: a RunError's own number, out of
// memory for a failed allocation, and an invalid call for anything else (also for a throw of a
// non-exception type, so every failure caught at a boundary has a number to show).
int RunErrorNumberOf(const std::exception_ptr& failure) noexcept;

}  // namespace torva
