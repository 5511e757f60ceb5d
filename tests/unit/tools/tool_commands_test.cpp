// The Tvtool commands on a fake machine: output forms, exit codes, and the format command's refusals.
#include "tools/tool_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/cp932.h"
#include "tests/unit/tools/tool_fixture.h"

namespace torva::tools {
namespace {

const char* const kGood = "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:cmd.exe /c\",0,,\r\n";

TEST_F(ToolTest, CheckReportsNothingForAGoodFileAndFindsRelativeFilesRelativeToTheArgument) {
    File("C:\\MENU\\GOOD.TVX", kGood);
    EXPECT_EQ(Run({"check", "GOOD.TVX"}), kExitOk);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Run({"check", "--json", "C:\\MENU\\GOOD.TVX"}), kExitOk);
    EXPECT_EQ(nlohmann::json::parse(out.str()),
              nlohmann::json::parse(R"({"ok":true,"stopped":false,"failures":[]})"));
}

TEST_F(ToolTest, CheckPlainLinesShowCrAsBlank) {
    File("C:\\MENU\\BAD.TVX", "[VER8.05]\r\nFOO\r\n");
    EXPECT_EQ(Run({"check", "C:\\MENU\\BAD.TVX"}), kExitRuleFailed);
    EXPECT_EQ(out.str(),
              "ErrorNo = 1 : メニュー定義で、ページ定義の先頭がページ開始定義でないか、 "
              "もしくは誤った記述があります｡  : FOO\n");
}

TEST_F(ToolTest, CheckJsonMarksPassedOverAndStopped) {
    File("C:\\MENU\\N.TVX",
         "[VER8.05]\r\n[NCHK]\r\n[PAGE1]\r\nCMD13,,OFF,,,,,,,,,END,,,\r\n[PAGE2]\r\n[PAGE1]\r\n");
    EXPECT_EQ(Run({"check", "--json", "C:\\MENU\\N.TVX"}), kExitRuleFailed);
    auto report = nlohmann::json::parse(out.str());
    EXPECT_EQ(report["ok"], false);
    EXPECT_EQ(report["stopped"], false);
    ASSERT_EQ(report["failures"].size(), 2u);
    EXPECT_EQ(
        report["failures"][0],
        nlohmann::json::parse(
            R"({"rule":4,"message":"メニュー定義のコマンド定義で、範囲外の値が指定されています。","detail":"Page = 1 : CMD13","passedOver":true})"));
    EXPECT_EQ(report["failures"][1]["rule"], 3);
    // The editor lets page 1 be opened again and passes nothing over.
    EXPECT_EQ(Run({"check", "--editor", "--json", "C:\\MENU\\N.TVX"}), kExitRuleFailed);
    report = nlohmann::json::parse(out.str());
    ASSERT_EQ(report["failures"].size(), 1u);
    EXPECT_EQ(report["failures"][0]["passedOver"], false);
}

TEST_F(ToolTest, OverflowEndsInTheUnrecoverableReport) {
    File("C:\\MENU\\O.TVX", "[VER8.05]\r\n[MODE70000]\r\n");
    EXPECT_EQ(Run({"check", "C:\\MENU\\O.TVX"}), kExitRuleFailed);
    EXPECT_EQ(out.str(), "継続不可能なエラーが発生しました。 処理を終了します。 ErrorNo = 999 : 6\n");
    EXPECT_EQ(Run({"check", "--json", "C:\\MENU\\O.TVX"}), kExitRuleFailed);
    auto report = nlohmann::json::parse(out.str());
    EXPECT_EQ(report["stopped"], true);
    EXPECT_EQ(report["failures"][0]["runError"], 6);
    EXPECT_EQ(report["failures"][0]["rule"], 999);
}

TEST_F(ToolTest, ProgramFolderOption) {
    File("C:\\MENU\\P.TVX", "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:tvtool.exe\",0,,\r\n");
    EXPECT_EQ(Run({"check", "C:\\MENU\\P.TVX"}), kExitOk);
    EXPECT_EQ(Run({"check", "--program-folder", "C:\\OTHER", "C:\\MENU\\P.TVX"}), kExitRuleFailed);
    EXPECT_EQ(Run({"dump", "--program-folder", "C:\\OTHER\\", "--editor", "C:\\MENU\\P.TVX"}),
              kExitRuleFailed);
}

TEST_F(ToolTest, DumpListsDefinedPagesAndUsedSlotsOnly) {
    File("C:\\MENU\\D.TVX",
         "*,c\r\n[VER8.05]\r\n[MODE9]\r\n[PAGE1]\r\nCMD24,,OFF,,,,,,R,,,\"CMD:\",,,\r\n[PAGE7]\r\n"
         "TITLE2,\"t\",,,,,\r\n");
    ASSERT_EQ(Run({"dump", "--editor", "C:\\MENU\\D.TVX"}), kExitOk) << err.str();
    auto model = nlohmann::json::parse(out.str());
    EXPECT_EQ(model["displayMode"], 9);
    EXPECT_EQ(model["buttonsPerPage"], 24);
    EXPECT_EQ(model["comments"], nlohmann::json::array({"c"}));
    ASSERT_EQ(model["pages"].size(), 2u);
    EXPECT_EQ(model["pages"][0]["buttons"].size(), 1u);
    EXPECT_EQ(model["pages"][0]["buttons"][0]["slot"], 24);
    EXPECT_EQ(model["pages"][0]["buttons"][0]["backColour"], 0x0000FFu);
    EXPECT_EQ(model["pages"][0]["buttons"][0]["foreColour"], 0x80000012u);
    EXPECT_EQ(model["pages"][0]["buttons"][0].size(), 20u);  // slot and the 19 fields
    EXPECT_EQ(model["pages"][1]["page"], 7);
    EXPECT_EQ(model["pages"][1]["titles"][1]["text"], "t");
    EXPECT_EQ(model["pages"][1]["buttons"].size(), 0u);
    EXPECT_EQ(model["options"].size(), 10u);
    EXPECT_EQ(model["startPrograms"].size(), 2u);
}

TEST_F(ToolTest, FormatRewritesAndRefusesWhatWouldLoseData) {
    File("C:\\MENU\\F.TVX", "[ver8.01]\r\n[PAGE1]\r\ncmd1,,on,\"a\",,,,m4,,,,\"CMD:cmd.exe\",0,,\r\n");
    ASSERT_EQ(Run({"format", "C:\\MENU\\F.TVX", "C:\\OTHER\\G.TVX"}), kExitOk) << err.str();
    EXPECT_EQ(Cp932ToUtf8(files.Content("C:\\OTHER\\G.TVX")),
              "[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,,ON,\"a\",,,,M,,,,\"CMD:cmd.exe\",0,,\r\n");

    File("C:\\MENU\\B.TVX", "[VER8.05]\r\n[PAGE1]\r\nCMD1,\"C:\\NO.ICO\",OFF,\"a\",,,,,,,,END,,,\r\n");
    const std::string before = files.Content("C:\\MENU\\B.TVX");
    EXPECT_EQ(Run({"format", "C:\\MENU\\B.TVX"}), kExitRuleFailed);
    EXPECT_EQ(files.Content("C:\\MENU\\B.TVX"), before);
    EXPECT_NE(err.str().find("ErrorNo = 5"), std::string::npos);

    files.AddFile("C:\\MENU\\J.TVX", "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"\x85\x40\",,,,,,,,END,,,\r\n");
    EXPECT_EQ(Run({"format", "C:\\MENU\\J.TVX"}), kExitUsage);

    File("C:\\MENU\\W.TVX", kGood);
    const std::string good = files.Content("C:\\MENU\\W.TVX");
    files.failReplace = true;
    EXPECT_EQ(Run({"format", "C:\\MENU\\W.TVX"}), kExitUsage);
    EXPECT_EQ(files.Content("C:\\MENU\\W.TVX"), good);
    EXPECT_NE(err.str().find("the file is unchanged"), std::string::npos);
}

TEST_F(ToolTest, UsageAndInputErrors) {
    File("C:\\MENU\\GOOD.TVX", kGood);
    const std::vector<std::vector<std::string>> usage = {{},
                                                         {"nope"},
                                                         {"check"},
                                                         {"check", "a", "b"},
                                                         {"check", "--program-folder"},
                                                         {"check", "--x", "a"},
                                                         {"dump", "--json", "a"},
                                                         {"format"},
                                                         {"format", "a", "b", "c"},
                                                         {"format", "--editor", "C:\\MENU\\GOOD.TVX"},
                                                         {"format", "C:\\MENU\\NONE.TVX"},
                                                         {"dump", "--editor", "C:\\MENU\\NONE.TVX"},
                                                         {"check", "--editor", "C:\\MENU"}};
    for (const auto& args : usage) {
        EXPECT_EQ(Run(args), kExitUsage) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(err.str().empty());
    }
    files.failRead = true;
    EXPECT_EQ(Run({"check", "C:\\MENU\\GOOD.TVX"}), kExitUsage);
    EXPECT_EQ(Run({"help"}), kExitOk);
    EXPECT_NE(out.str().find("Tvtool check"), std::string::npos);
}

TEST_F(ToolTest, VersionPrintsTheSuiteVersionAlone) {
    EXPECT_EQ(Run({"--version"}), kExitOk);
    EXPECT_EQ(out.str(), "Tvtool " + std::string(kToolVersion) + "\n");
    EXPECT_TRUE(err.str().empty());
    int dots = 0;
    for (const char c : kToolVersion) {
        if (c == '.')
            ++dots;
        else
            EXPECT_TRUE(c >= '0' && c <= '9') << kToolVersion;
    }
    EXPECT_EQ(dots, 2) << kToolVersion;
    EXPECT_EQ(Run({"--version", "x"}), kExitUsage);
    EXPECT_EQ(Run({"help"}), kExitOk);
    EXPECT_NE(out.str().find("Tvtool --version"), std::string::npos);
}

// "There is no menu" is an input/output failure in every command and both reading modes: exit 2, one
// line on the error stream, and with --json one object on the output saying so, and nothing else.
TEST_F(ToolTest, SourcesThatAreNoReadableFileAreInputErrorsBeforeReading) {
    File("C:\\MENU\\GOOD.TVX", kGood);
    special["C:\\MENU\\PIPE.TVX"] = SourceFacts{SourceFacts::Kind::NotRegular, 0};
    special["C:\\MENU\\HUGE.TVX"] = SourceFacts{SourceFacts::Kind::Regular, kMaxSourceBytes + 1};
    special["C:\\MENU\\FULL.TVX"] = SourceFacts{SourceFacts::Kind::Regular, kMaxSourceBytes};
    files.AddFile("C:\\MENU\\FULL.TVX", kGood);
    struct Row {
        std::string path;
        std::string problem;
    };
    const std::vector<Row> rows = {
        {"C:\\MENU\\NONE.TVX", "cannot find \"C:\\MENU\\NONE.TVX\""},
        {"C:\\MENU", "\"C:\\MENU\" is a folder, not a definition file"},
        {"C:\\MENU\\PIPE.TVX", "\"C:\\MENU\\PIPE.TVX\" is not a regular file"},
        {"C:\\MENU\\HUGE.TVX", "\"C:\\MENU\\HUGE.TVX\" is larger than 16 MiB, too large for a definition"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.path);
        for (const std::vector<std::string>& args : {std::vector<std::string>{"check", r.path},
                                                     {"check", "--editor", r.path},
                                                     {"dump", r.path},
                                                     {"dump", "--editor", r.path},
                                                     {"format", r.path},
                                                     {"list", r.path, "C:\\OTHER\\L.TXT"},
                                                     {"convert", r.path, "C:\\OTHER\\C.TVX"}}) {
            SCOPED_TRACE(args[0] + " " + args[1]);
            EXPECT_EQ(Run(args), kExitUsage);
            EXPECT_EQ(err.str(), "Tvtool: " + r.problem + "\n");
            EXPECT_EQ(out.str(), "");
        }
        EXPECT_FALSE(files.Has("C:\\OTHER\\L.TXT"));
        EXPECT_FALSE(files.Has("C:\\OTHER\\C.TVX"));
        for (const char* mode : {"--json", "--editor"}) {
            EXPECT_EQ(Run({"check", "--json", mode, r.path}), kExitUsage);
            EXPECT_EQ(nlohmann::json::parse(out.str()),
                      (nlohmann::json{{"ok", false}, {"error", r.problem}}));
            const std::string printed = out.str();
            EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
        }
    }
    EXPECT_EQ(Run({"check", "C:\\MENU\\FULL.TVX"}), kExitOk) << "exactly 16 MiB is still read";
}

// Bytes that are not Shift-JIS text would be lost by writing the definition again: the commands that
// write a definition refuse; those that only show it go on and say so.
TEST_F(ToolTest, InvalidShiftJisIsRefusedByWritersAndWarnedAboutByReaders) {
    const std::string bad = "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"\x85\x40\",,,,,,,,END,,,\r\n";
    files.AddFile("C:\\MENU\\J.TVX", bad);
    files.AddFile("C:\\MENU\\OLDJ.TVX", "[PAGE1]\r\nCMD1,,OFF,\"\x85\x40\",W,END,\r\n");
    EXPECT_EQ(Run({"format", "C:\\MENU\\J.TVX"}), kExitUsage);
    EXPECT_EQ(files.Content("C:\\MENU\\J.TVX"), bad);
    EXPECT_EQ(Run({"convert", "C:\\MENU\\OLDJ.TVX", "C:\\OTHER\\NEW.TVX"}), kExitUsage);
    EXPECT_FALSE(files.Has("C:\\OTHER\\NEW.TVX"));
    EXPECT_NE(err.str().find("not valid Shift-JIS"), std::string::npos);
    EXPECT_EQ(Run({"list", "C:\\MENU\\J.TVX", "C:\\OTHER\\J.TXT"}), kExitOk);
    EXPECT_TRUE(files.Has("C:\\OTHER\\J.TXT"));
    EXPECT_NE(err.str().find("warning"), std::string::npos);
    EXPECT_EQ(Run({"dump", "--editor", "C:\\MENU\\J.TVX"}), kExitOk);
    EXPECT_FALSE(out.str().empty());
    EXPECT_NE(err.str().find("warning"), std::string::npos);
}

TEST_F(ToolTest, EveryCommandIsListedOnceInTheTable) {
    std::vector<std::string_view> names;
    for (const auto& command : ToolCommands()) {
        EXPECT_EQ(std::count(names.begin(), names.end(), command.name), 0);
        names.push_back(command.name);
        EXPECT_NE(command.run, nullptr);
    }
    EXPECT_GE(names.size(), 3u);
}

}  // namespace
}  // namespace torva::tools
