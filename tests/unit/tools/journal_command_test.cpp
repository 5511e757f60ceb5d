#include <gtest/gtest.h>

#include "journal/journal_line.h"
#include "tests/unit/tools/tool_fixture.h"

namespace torva::tools {
namespace {

class JournalCommandTest : public ToolTest {
  protected:
    JournalCommandTest() {
        using namespace journal;
        StartRecord calc;
        calc.id = "a";
        calc.timeMs = *ParseUtc("2026-12-08T09:00:00Z");
        calc.page = 1;
        calc.button = 2;
        calc.caption = "Calc";
        calc.commandLine = "calc.exe";
        calc.waited = true;
        StartRecord mail = calc;
        mail.id = "b";
        mail.timeMs = *ParseUtc("2026-12-08T11:00:00Z");
        mail.button = 3;
        mail.caption = "Mail";
        mail.started = false;
        EndRecord end;
        end.id = "a";
        end.timeMs = calc.timeMs + 5000;
        end.exitCode = 7;
        end.durationMs = 5000;
        const JournalOrigin origin{"PC1", "u", "Torva"};
        files.AddFile("C:\\MENU\\launch.jsonl", "\xEF\xBB\xBF" + StartLine(origin, calc) +
                                                    StartLine(origin, mail) + EndLine(origin, end) +
                                                    "garbage\n");
    }
};

TEST_F(JournalCommandTest, SummarisesCountsFailuresAndLongestRuns) {
    EXPECT_EQ(Run({"journal", "launch.jsonl"}), kExitOk) << err.str();
    const std::string report = out.str();
    EXPECT_NE(report.find("Journal \"C:\\MENU\\launch.jsonl\""), std::string::npos) << report;
    EXPECT_NE(report.find("2 starts (1 did not start), 1 waited to their end (1 with a non-zero exit code)"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("1 malformed lines"), std::string::npos) << report;
    EXPECT_NE(report.find("Torva 1:2 \"Calc\"  exit code 7: calc.exe"), std::string::npos) << report;
    EXPECT_NE(report.find("Torva 1:3 \"Mail\"  did not start"), std::string::npos) << report;
    EXPECT_NE(report.find("5.0 s  2026-12-08T09:00:00.000Z  PC1  u  Torva 1:2 \"Calc\""), std::string::npos)
        << report;
}

TEST_F(JournalCommandTest, FiltersBySinceAndButton) {
    EXPECT_EQ(Run({"journal", "--since", "2026-12-08T10:00", "launch.jsonl"}), kExitOk);
    EXPECT_NE(out.str().find("1 starts (1 did not start), 0 waited"), std::string::npos) << out.str();
    EXPECT_EQ(Run({"journal", "launch.jsonl", "--button", "1:2"}), kExitOk);
    EXPECT_NE(out.str().find("1 starts (0 did not start), 1 waited"), std::string::npos) << out.str();
}

TEST_F(JournalCommandTest, BadArgumentsAndFilesAreUsageErrors) {
    files.AddFolder("C:\\MENU\\logs");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{"journal"}, "journal takes one journal file"},
             {{"journal", "a", "b"}, "journal takes one journal file"},
             {{"journal", "launch.jsonl", "--since"}, "--since needs a value"},
             {{"journal", "launch.jsonl", "--since", "last week"}, "--since wants a UTC time"},
             {{"journal", "launch.jsonl", "--since", "2026-02-30"}, "--since wants a UTC time"},
             {{"journal", "launch.jsonl", "--button", "1"}, "--button wants PAGE:BUTTON"},
             {{"journal", "launch.jsonl", "--button", "1:25"}, "--button wants PAGE:BUTTON"},
             {{"journal", "launch.jsonl", "--json"}, "unknown option \"--json\""},
             {{"journal", "missing.jsonl"}, "cannot find \"C:\\MENU\\missing.jsonl\""},
             {{"journal", "logs"}, "is a folder, not a journal"},
         }) {
        EXPECT_EQ(Run(c.args), kExitUsage) << c.args.back();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << c.args.back() << ": " << err.str();
        EXPECT_TRUE(out.str().empty());
    }
    special["C:\\MENU\\huge.jsonl"] = SourceFacts{SourceFacts::Kind::Regular, 300ull * 1024 * 1024};
    EXPECT_EQ(Run({"journal", "huge.jsonl"}), kExitUsage);
    EXPECT_NE(err.str().find("larger than 256 MiB"), std::string::npos);
}

TEST_F(JournalCommandTest, EmptyJournalIsNoError) {
    files.AddFile("C:\\MENU\\empty.jsonl", "");
    EXPECT_EQ(Run({"journal", "empty.jsonl"}), kExitOk);
    EXPECT_NE(out.str().find("0 starts"), std::string::npos);
}

}  // namespace
}  // namespace torva::tools
