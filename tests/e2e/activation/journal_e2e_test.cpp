// The launch journal written by the real menu and script runner while the machine policy names it.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "journal/journal_line.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/menu_session.h"
#include "tests/e2e/harness/message_box.h"

namespace torva::e2e {
namespace {

constexpr const char* kPolicyKey = "Software\\Policies\\Torva";

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::vector<nlohmann::json> JournalLines(const std::string& path) {
    std::vector<nlohmann::json> lines;
    const auto bytes = ReadBytes(path);
    if (!bytes) return lines;
    std::size_t pos = 0;
    while (pos < bytes->size()) {
        const std::size_t end = bytes->find('\n', pos);
        if (end == std::string::npos) break;  // a line still being written
        lines.push_back(nlohmann::json::parse(bytes->substr(pos, end - pos), nullptr, false));
        pos = end + 1;
    }
    return lines;
}

const nlohmann::json* Find(const std::vector<nlohmann::json>& lines, const std::string& program,
                           const std::string& event, const std::string& needle) {
    for (const auto& l : lines) {
        if (l.is_object() && l.value("program", "") == program && l.value("event", "") == event &&
            l.dump().find(needle) != std::string::npos)
            return &l;
    }
    return nullptr;
}

class JournalE2E : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kPolicyKey, "LaunchJournal", journal_));
    }
    std::vector<std::string> Menu(const std::vector<std::string>& buttons) {
        std::vector<std::string> lines{"[VER8.05]", "[MODE1]", "[PAGE1]", "VARTITLE,\"Journal\",,0"};
        lines.insert(lines.end(), buttons.begin(), buttons.end());
        return lines;
    }

    ScopedRegistryCleanup policy_{HKEY_LOCAL_MACHINE, kPolicyKey};
    TempFolder logs_{"journal"};
    std::string journal_ = logs_.File("launch.jsonl");
};

TEST_F(JournalE2E, TwoButtonsAndAScriptWriteTheirLines) {
    SessionOptions options = ActivationOptions();
    options.realSiblings = true;  // the real script runner writes its own lines
    // The script runner reads its lines in capitals, so the probe it starts takes its exit code
    // from here rather than from "--exit" on the line.
    options.probeOptions = "--exit 5";
    MenuSession s(options);
    const std::string script = s.Folder().File("job.tvs");
    ASSERT_TRUE(WriteBytes(script, "WAIT: " + s.Probe() + " scriptchild\r\nEND:\r\n"));
    ASSERT_TRUE(s.Start(Menu({ProbeButton(s, 1, "--title JournalOne --exit 3", 1),
                              ProbeButton(s, 2, "second", 0, {}, {}, s.Folder().Path()),
                              "CMD3,,OFF,\"Job\",,,,,,,,\"CMD:" + script + "\",0,,"})));
    s.Click(1);
    ASSERT_TRUE(WaitForWindow(Titled("JournalOne")).has_value());
    s.Click(2);
    s.Click(3);
    ASSERT_TRUE(WaitUntil([&] { return Find(JournalLines(journal_), "Tvscript", "end", "") != nullptr; }));
    ASSERT_TRUE(CloseWindowsTitled("JournalOne"));
    ASSERT_TRUE(WaitUntil([&] { return Find(JournalLines(journal_), "Torva", "end", "") != nullptr; }));

    const auto lines = JournalLines(journal_);
    for (const auto& l : lines) {
        ASSERT_TRUE(l.is_object()) << "every line whole and JSON";
        EXPECT_FALSE(l.value("computer", "").empty());
        EXPECT_FALSE(l.value("user", "").empty());
        EXPECT_TRUE(journal::ParseUtc(l.value("time", "")).has_value()) << l.dump();
    }
    const auto* one = Find(lines, "Torva", "start", "JournalOne");
    const auto* two = Find(lines, "Torva", "start", "second");
    const auto* job = Find(lines, "Torva", "start", "job.tvs");
    const auto* child = Find(lines, "Tvscript", "start", "SCRIPTCHILD");
    const auto* oneEnd = Find(lines, "Torva", "end", "");
    const auto* childEnd = Find(lines, "Tvscript", "end", "");
    ASSERT_TRUE(one && two && job && child && oneEnd && childEnd) << lines.size() << " lines";
    EXPECT_EQ((*one)["page"], 1);
    EXPECT_EQ((*one)["button"], 1);
    EXPECT_EQ((*one)["caption"], "B1");
    EXPECT_EQ((*one)["action"], "program");
    EXPECT_EQ((*one)["waited"], true);
    EXPECT_EQ((*one)["commandLine"], "\"" + s.Probe() + "\" --title JournalOne --exit 3");
    EXPECT_EQ((*two)["button"], 2);
    EXPECT_EQ((*two)["waited"], false);
    EXPECT_EQ((*two)["workFolder"], s.Folder().Path());
    EXPECT_EQ((*job)["action"], "script");
    EXPECT_EQ((*oneEnd)["id"], (*one)["id"]);
    EXPECT_EQ((*oneEnd)["exitCode"], 3);
    EXPECT_GE((*oneEnd)["durationMs"].get<long long>(), 0);
    EXPECT_EQ(Upper((*child)["script"]), Upper(script));
    EXPECT_EQ((*child)["scriptLine"], 1);
    EXPECT_EQ((*childEnd)["id"], (*child)["id"]);
    EXPECT_EQ((*childEnd)["exitCode"], 5);
    EXPECT_EQ(lines.size(), 6u) << "no other start was journaled";

    // Tvtool pairs the lines of both programs and counts the non-zero exit codes as failures.
    const ConsoleRun summary =
        RunConsole(ProgramPath("Tvtool.exe"), "journal \"" + journal_ + "\"", logs_.File("summary.txt"));
    ASSERT_EQ(summary.exitCode, std::optional<DWORD>(0)) << summary.out;
    EXPECT_NE(
        summary.out.find("4 starts (0 did not start), 2 waited to their end (2 with a non-zero exit code), "
                         "0 without an end"),
        std::string::npos)
        << summary.out;
    EXPECT_NE(summary.out.find("Torva 1:1 \"B1\"  exit code 3"), std::string::npos) << summary.out;
}

TEST_F(JournalE2E, UnwritableJournalStillLetsTheProgramStart) {
    ASSERT_TRUE(WriteBytes(journal_, "kept\n"));
    ASSERT_TRUE(SetFileAttributesW(win32::Wide(journal_).c_str(), FILE_ATTRIBUTE_READONLY));
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(
        s.Start(Menu({ProbeButton(s, 1, "readonlyjournal", 3), ProbeButton(s, 2, "lockedjournal", 3)})));
    s.Click(1);
    EXPECT_TRUE(s.WaitForRecordWithArg("readonlyjournal"));
    // No report about the journal: the menu comes back once the program (which ends at once) is gone.
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled(); }));
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty());
    SetFileAttributesW(win32::Wide(journal_).c_str(), FILE_ATTRIBUTE_NORMAL);
    // Windows refuses the write; Wine run by a superuser does not, and then the line is whole.
    const std::string after = ReadBytes(journal_).value_or("");
    EXPECT_EQ(after.rfind("kept\n", 0), 0u);
    EXPECT_EQ(after.back(), '\n');

    // A journal another program holds shut, named by a policy changed while the menu runs.
    const std::string held = logs_.File("held.jsonl");
    ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kPolicyKey, "LaunchJournal", held));
    win32::UniqueFileHandle holder(CreateFileW(win32::Wide(held).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                               nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(holder);
    s.Click(2);
    EXPECT_TRUE(s.WaitForRecordWithArg("lockedjournal"));
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled(); }));
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty());
    holder.reset();
    EXPECT_EQ(ReadBytes(held), std::optional<std::string>(""));
}

}  // namespace
}  // namespace torva::e2e
