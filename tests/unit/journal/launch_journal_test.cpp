#include "journal/launch_journal.h"

#include <gtest/gtest.h>

#include "tests/support/fake_journal.h"
#include "tests/support/fake_registry.h"

namespace torva::journal {
namespace {

using torva::testing::FakeJournalEnvironment;
using torva::testing::FakeRegistry;

TEST(JournalPolicy, MachineWinsOverUserAndBlanksNameNoFile) {
    struct Case {
        const char* machine;  // nullptr: no value
        const char* user;
        const char* expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {nullptr, nullptr, ""},
             {"\\\\srv\\logs\\m.jsonl", nullptr, "\\\\srv\\logs\\m.jsonl"},
             {nullptr, "C:\\u.jsonl", "C:\\u.jsonl"},
             {"C:\\m.jsonl", "C:\\u.jsonl", "C:\\m.jsonl"},
             {"  ", "C:\\u.jsonl", "C:\\u.jsonl"},
             {"", "", ""},
         }) {
        FakeRegistry registry;
        if (c.machine) registry.Put("hklm\\Software\\Policies\\Torva", c.machine, "LaunchJournal");
        if (c.user) registry.Put("hkcu\\Software\\Policies\\Torva", c.user, "LaunchJournal");
        EXPECT_EQ(JournalPolicyPath(registry), c.expected)
            << (c.machine ? c.machine : "-") << " / " << (c.user ? c.user : "-");
    }
}

TEST(JournalPolicy, AKeyThatCannotBeOpenedMeansNoJournal) {
    FakeRegistry registry;
    registry.Put("hklm\\Software\\Policies\\Torva", "C:\\m.jsonl", "LaunchJournal");
    registry.failingOpens.insert("hklm\\software\\policies\\torva");
    EXPECT_EQ(JournalPolicyPath(registry), "");
}

class LaunchJournalTest : public ::testing::Test {
  protected:
    StartRecord Waited(int button, std::uint32_t pid) {
        StartRecord r;
        r.page = 1;
        r.button = button;
        r.caption = "Calc";
        r.action = "program";
        r.commandLine = "calc.exe";
        r.waited = true;
        r.processId = pid;
        return r;
    }
    FakeJournalEnvironment env;
    LaunchJournal journal{env, "Torva"};
};

TEST_F(LaunchJournalTest, WithoutPolicyNothingIsWrittenNorRemembered) {
    env.policyPath.clear();
    journal.Started(Waited(1, 50));
    env.policyPath = "C:\\j.jsonl";
    journal.Ended(50, 0);
    EXPECT_TRUE(env.appended.empty());
}

TEST_F(LaunchJournalTest, WaitedStartGetsAnEndWithTheSameIdAndItsDuration) {
    journal.Started(Waited(3, 77));
    env.Advance(1500);
    journal.Ended(77, 2);
    ASSERT_EQ(env.appended.size(), 2u);
    EXPECT_EQ(env.appended[0].substr(0, env.appended[0].find('|')), "C:\\LOGS\\launch.jsonl");
    const auto lines = env.Lines();
    EXPECT_EQ(lines[0]["event"], "start");
    EXPECT_EQ(lines[0]["program"], "Torva");
    EXPECT_EQ(lines[0]["computer"], "DESK-7");
    EXPECT_EQ(lines[0]["user"], "hanako");
    EXPECT_EQ(lines[1]["event"], "end");
    EXPECT_EQ(lines[1]["id"], lines[0]["id"]);
    EXPECT_EQ(lines[1]["button"], 3);
    EXPECT_EQ(lines[1]["caption"], "Calc");
    EXPECT_EQ(lines[1]["exitCode"], 2);
    EXPECT_EQ(lines[1]["durationMs"], 1500);
    // Its end was written once: a second release of the same process writes nothing.
    journal.Ended(77, 2);
    EXPECT_EQ(env.appended.size(), 2u);
}

TEST_F(LaunchJournalTest, IdsAreUniqueWithinARunAndNameTheProcess) {
    journal.Started(Waited(1, 10));
    journal.Started(Waited(2, 11));
    StartRecord unwaited = Waited(3, 12);
    unwaited.waited = false;
    journal.Started(unwaited);
    const auto lines = env.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0]["id"], lines[1]["id"]);
    EXPECT_NE(lines[1]["id"], lines[2]["id"]);
    EXPECT_EQ(lines[0]["id"].get<std::string>().rfind("1a2b-", 0), 0u);
    // Unwaited and failed starts have no end to wait for.
    journal.Ended(12, 0);
    EXPECT_EQ(env.appended.size(), 3u);
}

TEST_F(LaunchJournalTest, FailedStartIsWrittenAndNeverWaitsForAnEnd) {
    StartRecord failed = Waited(4, 0);
    failed.started = false;
    failed.processId.reset();
    journal.Started(failed);
    journal.Ended(0, std::nullopt);
    const auto lines = env.Lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["started"], false);
}

TEST_F(LaunchJournalTest, AnUnwritableJournalIsCountedAndNothingElse) {
    env.failAppends = true;
    journal.Started(Waited(1, 10));
    journal.Ended(10, 0);
    EXPECT_EQ(journal.FailedWrites(), 2u);
}

TEST_F(LaunchJournalTest, PolicyRemovedWhileRunningStopsTheEndLine) {
    journal.Started(Waited(1, 10));
    env.policyPath.clear();
    journal.Ended(10, 0);
    EXPECT_EQ(env.appended.size(), 1u);
}

TEST_F(LaunchJournalTest, OldestOpenStartIsForgottenBeyondTheLimit) {
    for (std::uint32_t pid = 1; pid <= kMaxOpenStarts + 1; ++pid) journal.Started(Waited(1, pid));
    env.appended.clear();
    journal.Ended(1, 0);
    EXPECT_TRUE(env.appended.empty());
    journal.Ended(kMaxOpenStarts + 1, 0);
    journal.Ended(2, 0);
    EXPECT_EQ(env.appended.size(), 2u);
}

}  // namespace
}  // namespace torva::journal
