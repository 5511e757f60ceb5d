#pragma once
// The script runner run for real from a scratch program folder: Tvscript.exe, the probe, and the
// probe again as Tvshell.exe, so that the opener's start is recorded and nothing is registered.
// Every run has the power requests redirected to a log; every box it shows is read and answered.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"
#include "tests/probe/probe_log.h"

namespace torva::e2e {

class ScriptE2eTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes lines (UTF-8) as a Shift-JIS script with CR LF endings in the scratch folder.
    std::string WriteScript(const std::string& name, const std::vector<std::string>& lines);
    // Copies a program of the build into the scratch folder, under another name when given.
    void Install(const std::string& program, const std::string& as = {});

    // Starts the runner with the text after its name. probeOptions go to every probe it starts
    // (also to the stand-in opener) through TORVA_PROBE_OPTIONS.
    Process StartRunner(const std::string& arguments, const std::string& probeOptions = "--exit 0");

    // Waits for the runner's next box, checks its title, answers it and waits until it is gone.
    std::optional<MessageBoxInfo> Answer(const Process& runner, int button);
    // Waits for the runner's end; its exit status.
    std::optional<DWORD> Finish(Process& runner);

    std::vector<probe::ProbeRecord> ProbeRecords() const;
    // Records of probes started for script lines (not the stand-in opener).
    std::vector<probe::ProbeRecord> ScriptProbes() const;
    std::vector<std::string> PowerLog() const;

    TempFolder folder_{"tvscript"};
    std::string probeLog_;
    std::string powerLog_;
};

}  // namespace torva::e2e
