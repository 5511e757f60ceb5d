// What button activation and the running-list poll write to the launch journal.
#include <gtest/gtest.h>

#include "runtime/activation/polling.h"
#include "tests/support/fake_journal.h"
#include "tests/unit/activation/activation_fixture.h"

namespace torva::activation::testing {
namespace {

class ActivationJournalTest : public ActivationTest {
  protected:
    ActivationJournalTest() { services.journal = &journal; }
    void Poll() { PollRunningList(*def, state, processes, window, &journal); }

    torva::testing::FakeJournalEnvironment env;
    journal::LaunchJournal journal{env, "Torva"};
};

TEST_F(ActivationJournalTest, EachKindOfStartIsWrittenWithItsButtonAndCommand) {
    struct Case {
        const char* program;
        const char* action;
        const char* commandStart;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"C:\\APPS\\calc.exe", "program", "C:\\APPS\\calc.exe"},
             {"C:\\JOBS\\night.tvs", "script", "C:\\TORVA\\Tvscript.exe"},
             {"C:\\DOCS\\plan.txt", "document", "C:\\TORVA\\Tvshell.exe"},
         }) {
        SCOPED_TRACE(c.program);
        env.appended.clear();
        auto& b = RunButton(3, 5, c.program);
        b.caption = "月次";
        b.workFolder = "C:\\WORK";
        window.currentPage = 3;
        Click(5);
        const auto lines = env.Lines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0]["event"], "start");
        EXPECT_EQ(lines[0]["page"], 3);
        EXPECT_EQ(lines[0]["button"], 5);
        EXPECT_EQ(lines[0]["caption"], "月次");
        EXPECT_EQ(lines[0]["action"], c.action);
        EXPECT_EQ(lines[0]["started"], true);
        EXPECT_EQ(lines[0]["workFolder"], "C:\\WORK");
        ASSERT_FALSE(processes.started.empty());
        EXPECT_EQ(lines[0]["commandLine"], processes.started.back().commandLine);
        EXPECT_NE(lines[0]["commandLine"].get<std::string>().find(c.commandStart), std::string::npos);
        // The line is written while the program runs, not when the menu gets around to it.
        state.running.Clear();
    }
}

TEST_F(ActivationJournalTest, WithoutAWorkFolderTheMenusCurrentFolderIsWritten) {
    RunButton(1, 1, "C:\\a.exe");
    Click(1);
    EXPECT_EQ(env.Lines().at(0)["workFolder"], "C:\\TORVA");
}

TEST_F(ActivationJournalTest, FailedStartsAreWrittenBeforeTheReport) {
    RunButton(1, 1, "C:\\a.exe");
    processes.results.push_back(std::nullopt);
    Click(1);
    auto& b = RunButton(1, 2, "C:\\b.exe", 1);
    b.workFolder = "Z:\\GONE";
    files.MakeUnreachable("Z:\\GONE");
    Click(2);
    const auto lines = env.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["started"], false);
    EXPECT_EQ(lines[1]["started"], false);
    EXPECT_EQ(lines[1]["waited"], true);
    EXPECT_EQ(window.reports.size(), 2u);
}

TEST_F(ActivationJournalTest, AWaitedProgramsEndCarriesItsExitCodeWhenItHasOne) {
    RunButton(1, 1, "C:\\a.exe", 3);
    RunButton(1, 2, "C:\\b.exe", 1);
    const uint32_t first = processes.nextId;
    Click(1);
    Click(2);
    processes.withWindow = {first, first + 1};
    Poll();
    EXPECT_EQ(env.appended.size(), 2u);  // both still running

    env.Advance(2500);
    processes.withWindow.erase(first);
    processes.exitCodes[first] = 4;
    processes.withWindow.erase(first + 1);  // windows gone, process not yet: no exit code
    Poll();
    const auto lines = env.Lines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]["waited"], true);
    EXPECT_EQ(lines[2]["event"], "end");
    EXPECT_EQ(lines[2]["id"], lines[0]["id"]);
    EXPECT_EQ(lines[2]["exitCode"], 4);
    EXPECT_EQ(lines[2]["durationMs"], 2500);
    EXPECT_EQ(lines[3]["id"], lines[1]["id"]);
    EXPECT_TRUE(lines[3]["exitCode"].is_null());
}

TEST_F(ActivationJournalTest, UnwritableJournalChangesNothingAboutTheStart) {
    env.failAppends = true;
    RunButton(1, 1, "C:\\a.exe", 3);
    Click(1);
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_TRUE(window.locked);
    EXPECT_TRUE(window.reports.empty());
    EXPECT_EQ(journal.FailedWrites(), 1u);
}

TEST_F(ActivationJournalTest, NonStartsWriteNothing) {
    Button(1, 1).action = definition::ButtonAction::Page;
    Button(1, 1).targetPage = 3;
    Click(1);
    EXPECT_TRUE(env.appended.empty());
}

}  // namespace
}  // namespace torva::activation::testing
