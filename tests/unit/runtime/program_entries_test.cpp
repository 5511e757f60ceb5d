#include "runtime/program_entries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/fake_processes.h"

namespace torva::runtime {
namespace {

using definition::ProgramEntry;

struct LaunchCase {
    EntryKind kind;
    const char* program;
    const char* arguments;
    LaunchForm form;
    const char* commandLine;
    int failureCode;
};

class EntryLaunches : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(EntryLaunches, FollowTheExtensionRule) {
    const auto& c = GetParam();
    ProgramEntry e;
    e.program = c.program;
    e.arguments = c.arguments;
    const EntryLaunch l = BuildEntryLaunch(c.kind, e, "C:\\TV");
    EXPECT_EQ(l.form, c.form);
    EXPECT_EQ(l.commandLine, c.commandLine);
    EXPECT_EQ(l.failureCode, c.failureCode);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, EntryLaunches,
    ::testing::Values(
        LaunchCase{EntryKind::Start, "C:\\A\\x.exe", "-q", LaunchForm::Program, "\"C:\\A\\x.exe\" -q", 30},
        LaunchCase{EntryKind::Start, "C:\\A\\x.exe", "", LaunchForm::Program, "\"C:\\A\\x.exe\" ", 30},
        LaunchCase{EntryKind::Start, "C:\\A\\x.com", "", LaunchForm::Program, "\"C:\\A\\x.com\" ", 30},
        // An end entry sends ".COM" the document way.
        LaunchCase{EntryKind::End, "C:\\A\\x.com", "", LaunchForm::Document,
                   "C:\\TV\\Tvshell.exe C:\\A\\x.com", 30},
        LaunchCase{EntryKind::End, "C:\\A\\x.bat", "1", LaunchForm::Program, "\"C:\\A\\x.bat\" 1", 20},
        LaunchCase{EntryKind::End, "C:\\A\\s.tvs", "ignored", LaunchForm::Script,
                   "C:\\TV\\Tvscript.exe |TORVA|00000000|C:\\A\\s.tvs", 20},
        LaunchCase{EntryKind::Start, "C:\\A\\s.TVS", "", LaunchForm::Script,
                   "C:\\TV\\Tvscript.exe |TORVA|00000000|C:\\A\\s.TVS", 30},
        LaunchCase{EntryKind::Start, "C:\\A\\doc.txt", "", LaunchForm::Document,
                   "C:\\TV\\Tvshell.exe C:\\A\\doc.txt", 31},
        LaunchCase{EntryKind::Start, "http://example.com/a.exe", "", LaunchForm::Document,
                   "C:\\TV\\Tvshell.exe http://example.com/a.exe", 31},
        LaunchCase{EntryKind::PageStart, "C:\\A\\x.pif", "", LaunchForm::Program, "\"C:\\A\\x.pif\" ", 40},
        LaunchCase{EntryKind::PageStart, "C:\\A.B\\readme", "", LaunchForm::Document,
                   "C:\\TV\\Tvshell.exe C:\\A.B\\readme", 41},
        LaunchCase{EntryKind::PageStart, "C:\\A\\s.tvs", "", LaunchForm::Script,
                   "C:\\TV\\Tvscript.exe |TORVA|00000000|C:\\A\\s.tvs", 40}));

using torva::testing::FakeProcesses;

std::array<ProgramEntry, 2> Entries(const char* a, uint8_t waitA, const char* b, uint8_t waitB) {
    std::array<ProgramEntry, 2> e{};
    e[0].program = a;
    e[0].waitMode = waitA;
    e[1].program = b;
    e[1].waitMode = waitB;
    return e;
}

TEST(EntryRunner, WaitsForAWaitedProgramUntilItsWindowsAreGone) {
    FakeProcesses p;
    p.windowForChecks[100] = 3;  // the first program started shows a window for three checks
    int pauses = 0;
    std::vector<uint32_t> settled;
    EntryRunnerHooks hooks;
    hooks.betweenChecks = [&] { ++pauses; };
    hooks.settle = [&](uint32_t pid) {
        settled.push_back(pid);
        EXPECT_EQ(p.checks, 0) << "the program settles before it is looked for";
    };
    RunProgramEntries(EntryKind::Start, Entries("C:\\slow.exe", 1, "C:\\b.exe", 0), "C:\\TV", p, hooks);
    ASSERT_EQ(p.started.size(), 2u);
    EXPECT_EQ(p.started[0].commandLine, "\"C:\\slow.exe\" ");
    EXPECT_EQ(pauses, 3);                                // three checks found a window; the fourth found none
    EXPECT_THAT(settled, ::testing::ElementsAre(100u));  // only the waited-for entry
}

// A program that shows no window yet (a console program, or one slow to start) is still running, not
// done: the wait lasts until it ends, or until the window it then shows is gone.
TEST(EntryRunner, WaitsForAProgramThatHasShownNoWindowYet) {
    FakeProcesses p;
    p.windowless.insert(100);
    int pauses = 0;
    EntryRunnerHooks hooks;
    hooks.betweenChecks = [&] {
        if (++pauses == 2) {  // after two checks without a window it shows one for two checks
            p.windowless.erase(100);
            p.windowForChecks[100] = 2;
        }
    };
    RunProgramEntries(EntryKind::Start, Entries("C:\\slow.exe", 1, "", 0), "C:\\TV", p, hooks);
    EXPECT_EQ(pauses, 4);

    FakeProcesses console;
    console.windowless.insert(100);
    int consolePauses = 0;
    hooks.betweenChecks = [&] {
        if (++consolePauses == 3) console.windowless.erase(100);  // ends without ever showing a window
    };
    RunProgramEntries(EntryKind::End, Entries("C:\\job.bat", 1, "", 0), "C:\\TV", console, hooks);
    EXPECT_EQ(consolePauses, 3);
}

TEST(EntryRunner, DoesNotWaitWithoutTheFlag) {
    FakeProcesses p;
    p.windowForChecks[100] = 3;
    int pauses = 0;
    EntryRunnerHooks hooks;
    hooks.betweenChecks = [&] { ++pauses; };
    hooks.settle = [&](uint32_t) { ADD_FAILURE() << "an entry without the wait flag is not waited for"; };
    RunProgramEntries(EntryKind::End, Entries("C:\\slow.exe", 0, "", 1), "C:\\TV", p, hooks);
    EXPECT_EQ(p.started.size(), 1u);
    EXPECT_EQ(pauses, 0);
    EXPECT_EQ(p.checks, 0);
}

TEST(EntryRunner, FailureIsReportedAndTheNextEntryStillRuns) {
    FakeProcesses p;
    p.results = {std::nullopt, std::nullopt};  // neither starts
    std::vector<int16_t> codes;
    std::vector<std::string> messages;
    EntryRunnerHooks hooks;
    hooks.reportFailure = [&](int16_t code, const std::string& msg, const std::string&) {
        codes.push_back(code);
        messages.push_back(msg);
    };
    RunProgramEntries(EntryKind::End, Entries("C:\\fail.exe", 1, "C:\\fail.txt", 0), "C:\\TV", p, hooks);
    EXPECT_EQ(p.started.size(), 2u);
    EXPECT_THAT(codes, ::testing::ElementsAre(20, 30));
    EXPECT_THAT(messages, ::testing::Each(std::string("コマンドの起動に失敗しました。")));
    EXPECT_EQ(p.checks, 0);  // a failed start is never waited for
}

// A failure while an entry is classified is reported under the extension rule's number.
TEST(EntryRunner, TheExtensionRuleNotesItsLocationNumber) {
    FakeProcesses p;
    p.results = {std::nullopt};  // the start fails
    ErrorState error;
    error.code = 701;
    int16_t atFailure = 0;
    EntryRunnerHooks hooks;
    hooks.error = &error;
    hooks.reportFailure = [&](int16_t, const std::string&, const std::string&) { atFailure = error.code; };
    RunProgramEntries(EntryKind::End, Entries("C:\\fail.exe", 0, "", 0), "C:\\TV", p, hooks);
    EXPECT_EQ(atFailure, 981);
}

TEST(EntryRunner, BlankEntriesAreSkipped) {
    FakeProcesses p;
    RunProgramEntries(EntryKind::PageStart, Entries("   ", 1, "", 1), "C:\\TV", p, {});
    EXPECT_TRUE(p.started.empty());
}

}  // namespace
}  // namespace torva::runtime

namespace torva::runtime {
namespace {

// The journal hears of each start before its failure report and of a waited program after its wait.
TEST(EntryRunnerJournal, StartsAndWaitEndsAreToldInOrder) {
    torva::testing::FakeProcesses p;
    p.results = {std::nullopt, 100u};
    p.windowForChecks[100] = 2;
    std::vector<std::string> told;
    EntryRunnerHooks hooks;
    hooks.reportFailure = [&](int16_t, const std::string&, const std::string&) { told.push_back("report"); };
    hooks.started = [&](const definition::ProgramEntry& entry, const EntryLaunch& launch,
                        std::optional<uint32_t> pid) {
        told.push_back("start " + entry.program + " " + launch.commandLine + " " +
                       (pid ? std::to_string(*pid) : std::string("failed")));
    };
    hooks.betweenChecks = [&] { told.push_back("check"); };
    hooks.waitEnded = [&](uint32_t pid) { told.push_back("ended " + std::to_string(pid)); };
    std::array<definition::ProgramEntry, 2> entries{};
    entries[0].program = "C:\\fail.exe";
    entries[1].program = "C:\\slow.exe";
    entries[1].waitMode = 1;
    RunProgramEntries(EntryKind::PageStart, entries, "C:\\TV", p, hooks);
    EXPECT_EQ(told, (std::vector<std::string>{"start C:\\fail.exe \"C:\\fail.exe\"  failed", "report",
                                              "start C:\\slow.exe \"C:\\slow.exe\"  100", "check", "check",
                                              "ended 100"}));
}

}  // namespace
}  // namespace torva::runtime
