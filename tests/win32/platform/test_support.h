#pragma once
// Shared by the platform tests: a private scratch folder (the harness's), the probe beside the test,
// and waiting for the probe's record.

#include <cstdint>
#include <optional>
#include <string>

#include "tests/e2e/harness/test_support.h"
#include "tests/probe/probe_log.h"

namespace torva::test {

// A fresh folder below the temporary folder, removed with everything in it on destruction.
using ScratchFolder = e2e::TempFolder;

// "\"<bin>\TvProbe.exe\"": the probe lives in the test's own folder.
std::string ProbePath();
std::string QuotedProbe();
// The probe's command line: its quoted path, a blank and the options.
std::string ProbeCommand(const std::string& options);

// The probe's record for a process id, once the probe has written it (nothing after a minute).
std::optional<probe::ProbeRecord> WaitForProbeRecord(const std::string& logFile, uint32_t processId);

// Sets an environment variable for this process (and the programs it starts) for one scope.
class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

// A name no other test run uses at the same time.
std::string UniqueName(const std::string& prefix);

}  // namespace torva::test
