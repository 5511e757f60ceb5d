// What the script runner writes to the launch journal.
#include <gtest/gtest.h>

#include "tests/support/fake_journal.h"
#include "tests/unit/script/runner_fixture.h"

namespace torva::script::testing {
namespace {

class ScriptJournalTest : public RunnerTest {
  protected:
    int RunJournaled(const std::vector<std::string>& lines) {
        host.AddScript(kScript, torva::testing::Lines(lines));
        ScriptRunner runner(host, state, &journal);
        return runner.Run(kScript);
    }
    torva::testing::FakeJournalEnvironment env;
    journal::LaunchJournal journal{env, "Tvscript"};
};

TEST_F(ScriptJournalTest, WaitedStartHasAnEndWithItsExitCodeUnwaitedAndOpenedOnlyAStart) {
    host.files.AddFile("D:\\JOBS\\A.EXE");
    host.files.AddFile("D:\\JOBS\\B.EXE");
    host.files.AddFile("D:\\JOBS\\PLAN.TXT");
    host.exitCodes["\"D:\\JOBS\\A.EXE\" /Q"] = 5;
    EXPECT_EQ(RunJournaled({"* first", "WAIT: A.EXE /Q", "NOWAIT: B.EXE", "WAIT: PLAN.TXT"}), 0);
    const auto lines = env.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]["program"], "Tvscript");
    EXPECT_EQ(lines[0]["action"], "wait");
    EXPECT_EQ(lines[0]["script"], kScript);
    EXPECT_EQ(lines[0]["scriptLine"], 2);
    EXPECT_EQ(lines[0]["commandLine"], "\"D:\\JOBS\\A.EXE\" /Q");
    EXPECT_EQ(lines[0]["workFolder"], "C:\\WORK");
    EXPECT_TRUE(lines[0]["page"].is_null());
    EXPECT_EQ(lines[1]["event"], "end");
    EXPECT_EQ(lines[1]["id"], lines[0]["id"]);
    EXPECT_EQ(lines[1]["exitCode"], 5);
    EXPECT_EQ(lines[2]["action"], "nowait");
    EXPECT_EQ(lines[2]["waited"], false);
    EXPECT_EQ(lines[3]["action"], "open");
    EXPECT_EQ(lines[3]["commandLine"], "D:\\JOBS\\PLAN.TXT");
    // The runner's own start of the document opener is no start of the script's.
    for (const auto& line : lines)
        EXPECT_EQ(line.value("commandLine", "").find("Tvshell"), std::string::npos);
}

TEST_F(ScriptJournalTest, FailuresAreWrittenBeforeTheErrorBox) {
    host.files.AddFile("D:\\JOBS\\FAILS.EXE");
    host.failStarts.insert("\"D:\\JOBS\\FAILS.EXE\" ");
    EXPECT_EQ(RunJournaled({"WAIT: FAILS.EXE"}), 20);
    auto lines = env.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["started"], false);

    env.appended.clear();
    host.failStarts.clear();
    host.failWaits = true;
    EXPECT_EQ(RunJournaled({"WAIT: FAILS.EXE"}), 21);
    lines = env.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1]["exitCode"].is_null());
}

TEST_F(ScriptJournalTest, UnwritableJournalChangesNothing) {
    env.failAppends = true;
    host.files.AddFile("D:\\JOBS\\A.EXE");
    host.exitCodes["\"D:\\JOBS\\A.EXE\" "] = 1;
    EXPECT_EQ(RunJournaled({"WAIT: A.EXE", "CODE=1:END", "MSG: NOT SHOWN"}), 0);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(journal.FailedWrites(), 2u);
}

}  // namespace
}  // namespace torva::script::testing
