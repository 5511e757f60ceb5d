// Tvtool.exe end to end: check, dump and format on definition files on the C: drive of the prefix,
// with relative programs found in the Windows and System folders.
#include <gtest/gtest.h>
#include <windows.h>

#include <nlohmann/json.hpp>

#include "common/cp932.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/png_image.h"
#include "tests/e2e/harness/process.h"
#include "tests/e2e/harness/test_support.h"
#include "tests/unit/tools/schema_validator.h"

namespace torva::e2e {
namespace {

struct ToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;
    std::string err;
};

class TvtoolTest : public ::testing::Test {
  protected:
    // Runs Tvtool.exe with the arguments; its output streams go to files of the scratch folder.
    ToolRun Run(const std::string& arguments) {
        // Fresh names each run: a finished child's handles may close a moment after its exit.
        ++runs_;
        const ConsoleRun run = RunConsole(ProgramPath("Tvtool.exe"), arguments,
                                          folder_.File("stdout" + std::to_string(runs_) + ".txt"),
                                          folder_.File("stderr" + std::to_string(runs_) + ".txt"));
        EXPECT_TRUE(run.exitCode) << "Tvtool.exe did not start or end: " << run.startError;
        return {run.exitCode.value_or(0xFFFFFFFF), run.out, run.err};
    }

    // Writes a definition (UTF-8 lines) as the Shift-JIS file the programs read; gives its path.
    std::string Definition(const std::string& name, const std::string& utf8Lines) {
        const std::string path = folder_.File(name);
        EXPECT_TRUE(WriteBytes(path, Utf8ToCp932(utf8Lines)));
        return path;
    }

    static std::string Quote(const std::string& path) { return "\"" + path + "\""; }

    TempFolder folder_{"tvtool"};
    int runs_ = 0;
};

const std::string kSample =
    "*,Sample menu\r\n"
    "[VER8.05]\r\n"
    "[DCHK]\r\n"
    "[MODE1]\r\n"
    "[STREND]\r\n"
    "STR1,\"cmd.exe /c exit\",0\r\n"
    "[TIMER]\r\n"
    "TIM1,12:00,1,2\r\n"
    "[PAGE1]\r\n"
    "PSTR1,\"<C:\\Program Files\\Common Files> /q\",1\r\n"
    "VARTITLE,\"事務所\",B1,0\r\n"
    "TITLE1,\"Main\",ＭＳ 明朝,Regular,16,W,B\r\n"
    "CMD1,,ON,\"メモ帳\",ＭＳ 明朝,Regular,10,,,,,\"CMD:regedit.exe\",0,,\r\n"
    "CMD2,,OFF,\"Page 2\",,,,,,,,PAGE2,,,\r\n"
    "CMD12,,OFF,\"Quit\",,,,,,,,END,,,\r\n"
    "[PAGE2]\r\n"
    "CMD1,,OFF,\"Back\",,,,,,,,PAGE1,,,\r\n";

TEST_F(TvtoolTest, CleanDefinitionChecksInBothModes) {
    const std::string path = Definition("CLEAN.TVX", kSample);
    for (const char* mode : {"", "--editor "}) {
        const ToolRun run = Run(std::string("check ") + mode + Quote(path));
        EXPECT_EQ(run.exitCode, 0u) << mode << run.out << run.err;
        EXPECT_EQ(run.out, "") << mode;
    }
    const ToolRun json = Run("check --json " + Quote(path));
    EXPECT_EQ(json.exitCode, 0u);
    auto report = nlohmann::json::parse(json.out);
    EXPECT_EQ(report["ok"], true);
    EXPECT_EQ(report["stopped"], false);
    EXPECT_TRUE(report["failures"].empty());
}

TEST_F(TvtoolTest, RelativeProgramsAreFoundInTheWindowsAndSystemFolders) {
    const std::string path = Definition("REL.TVX", kSample);
    const ToolRun runtime = Run("dump " + Quote(path));
    ASSERT_EQ(runtime.exitCode, 0u) << runtime.err;
    auto model = nlohmann::json::parse(runtime.out);
    // cmd.exe lives in the System folder only; regedit.exe in the Windows folder.
    EXPECT_EQ(model["startPrograms"][0]["program"], SystemFolder() + "\\cmd.exe");
    EXPECT_EQ(model["startPrograms"][0]["arguments"], "/c exit");
    EXPECT_EQ(model["pages"][0]["buttons"][0]["program"], WindowsFolder() + "\\regedit.exe");
    EXPECT_EQ(model["pages"][0]["buttons"][0]["caption"], "メモ帳");
    EXPECT_EQ(model["pages"][0]["barTitle"]["text"], "事務所");
    EXPECT_EQ(model["pages"][0]["barTitle"]["backColour"], 0xFFC0C0u);

    const ToolRun editor = Run("dump --editor " + Quote(path));
    ASSERT_EQ(editor.exitCode, 0u) << editor.err;
    auto kept = nlohmann::json::parse(editor.out);
    EXPECT_EQ(kept["startPrograms"][0]["program"], "cmd.exe");
    EXPECT_EQ(kept["startPrograms"][0]["pathBase"], 4);
    EXPECT_EQ(kept["pages"][0]["buttons"][0]["program"], "regedit.exe");
    EXPECT_EQ(kept["pages"][0]["buttons"][0]["programBase"], 3);
    EXPECT_EQ(kept["pages"].size(), 2u);
    EXPECT_EQ(kept["pages"][1]["page"], 2);
    EXPECT_EQ(kept["clockStarts"][0]["time"], "12:00");
    EXPECT_EQ(kept["options"]["dupCheck"], true);
    EXPECT_EQ(kept["comments"][0], "Sample menu");
}

TEST_F(TvtoolTest, DumpBuildAndDiffCloseTheLoopAgainstTheSchemaBesideTvtool) {
    const std::string source = Definition("SRC.TVX", kSample);
    const std::string canonical = folder_.File("CANON.TVX");
    ASSERT_EQ(Run("format " + Quote(source) + " " + Quote(canonical)).exitCode, 0u);
    const ToolRun dumped = Run("dump --editor " + Quote(canonical));
    ASSERT_EQ(dumped.exitCode, 0u) << dumped.err;
    const auto schemaText = ReadBytes(ProgramPath("torva-definition.schema.json"));
    ASSERT_TRUE(schemaText.has_value()) << "the schema is not beside Tvtool.exe";
    testing::SchemaValidator validator(nlohmann::json::parse(*schemaText));
    const auto model = nlohmann::json::parse(dumped.out);
    EXPECT_TRUE(validator.Validate(model).empty());
    EXPECT_TRUE(model["$schema"].get<std::string>().starts_with("file:///")) << model["$schema"];

    const std::string json = folder_.File("menu.json");
    ASSERT_TRUE(WriteBytes(json, dumped.out));
    const std::string built = folder_.File("BUILT.TVX");
    const ToolRun build = Run("build " + Quote(json) + " --out " + Quote(built));
    ASSERT_EQ(build.exitCode, 0u) << build.out << build.err;
    EXPECT_EQ(ReadBytes(built), ReadBytes(canonical));
    EXPECT_EQ(Run("diff " + Quote(canonical) + " " + Quote(built)).exitCode, 0u);

    auto edited = model;
    edited["pages"][0]["buttons"][0]["caption"] = "エディタ";
    ASSERT_TRUE(WriteBytes(json, edited.dump()));
    ASSERT_EQ(Run("build " + Quote(json) + " --out " + Quote(built)).exitCode, 0u);
    const ToolRun diff = Run("diff " + Quote(canonical) + " " + Quote(built));
    EXPECT_EQ(diff.exitCode, 1u);
    EXPECT_EQ(diff.out, "page 1, button 1: caption: \"メモ帳\" -> \"エディタ\"\n");
}

TEST_F(TvtoolTest, FailuresAreListedWithRuleMessageAndDetail) {
    const std::string path = Definition("BAD.TVX",
                                        "[VER8.05]\r\n[PAGE1]\r\n"
                                        "CMD3,\"C:\\NO\\A.ICO\",OFF,\"x\",,,,,,,,END,,,\r\n"
                                        "CMD4,,OFF,\"y\",,,,,,,,\"CMD:nothere.exe\",0,,\r\n");
    const ToolRun runtime = Run("check " + Quote(path));
    EXPECT_EQ(runtime.exitCode, 1u);
    EXPECT_EQ(runtime.out,
              "ErrorNo = 5 : メニュー定義のコマンド定義で、存在しないアイコンファイル名が指定されています。 "
              ": Page = 1 , No = 3 : "
              "C:\\NO\\A.ICO\n");
    const ToolRun editor = Run("check --editor --json " + Quote(path));
    EXPECT_EQ(editor.exitCode, 1u);
    auto report = nlohmann::json::parse(editor.out);
    EXPECT_EQ(report["ok"], false);
    EXPECT_EQ(report["stopped"], false);
    ASSERT_EQ(report["failures"].size(), 2u);
    EXPECT_EQ(report["failures"][1]["rule"], 7);
    EXPECT_EQ(report["failures"][1]["detail"], "Page = 1 , No = 4 : nothere.exe");
    EXPECT_EQ(report["failures"][1]["passedOver"], false);
}

TEST_F(TvtoolTest, NoCheckFailuresArePassedOverByTheRuntime) {
    const std::string path = Definition("NCHK.TVX",
                                        "[VER8.05]\r\n[NCHK]\r\n[PAGE1]\r\n"
                                        "CMD4,,OFF,\"y\",,,,,,,,\"CMD:nothere.exe\",0,,\r\n"
                                        "[PAGE1]\r\n");
    const ToolRun run = Run("check --json " + Quote(path));
    EXPECT_EQ(run.exitCode, 1u);
    auto report = nlohmann::json::parse(run.out);
    EXPECT_EQ(report["stopped"], false);
    ASSERT_EQ(report["failures"].size(), 2u);
    EXPECT_EQ(report["failures"][0]["passedOver"], true);
    EXPECT_EQ(report["failures"][1]["rule"], 3);
    const ToolRun dump = Run("dump " + Quote(path));
    EXPECT_EQ(nlohmann::json::parse(dump.out)["pages"][0]["buttons"][0]["program"], "(ERR)");
}

TEST_F(TvtoolTest, OldVersionStopsAndMissingFileIsAnInputError) {
    const std::string old = Definition("OLD.TVX", "[VER5.00]\r\n[PAGE1]\r\n");
    const ToolRun run = Run("check " + Quote(old));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_EQ(run.out,
              "ErrorNo = 92 : 変換対象旧バージョンのメニュー定義です。 "
              "ＴＶＳＥＴＵＰにてメニューの変換を行って下さい。 : " +
                  old + "\n");
    const ToolRun json = Run("check --editor --json " + Quote(old));
    EXPECT_EQ(nlohmann::json::parse(json.out)["stopped"], true);

    // No file is no menu: an input error in both modes, not the runtime's rule 99.
    const std::string missing = folder_.File("NONE.TVX");
    for (const char* mode : {"", "--editor "}) {
        const ToolRun run = Run(std::string("check ") + mode + Quote(missing));
        EXPECT_EQ(run.exitCode, 2u) << mode;
        EXPECT_EQ(run.out, "") << mode;
        EXPECT_EQ(run.err, "Tvtool: cannot find \"" + missing + "\"\n") << mode;
        const ToolRun json = Run(std::string("check --json ") + mode + Quote(missing));
        EXPECT_EQ(json.exitCode, 2u) << mode;
        EXPECT_EQ(nlohmann::json::parse(json.out),
                  (nlohmann::json{{"ok", false}, {"error", "cannot find \"" + missing + "\""}}));
    }
    EXPECT_EQ(Run("check --json " + Quote(folder_.Path())).exitCode, 2u);
}

// A pipe or a device would block or never end; a huge file is no menu: both are refused unread.
TEST_F(TvtoolTest, PipesAndHugeFilesAreRefusedBeforeReading) {
    const std::string pipe = "\\\\.\\pipe\\torva-tvtool-" + std::to_string(GetCurrentProcessId());
    win32::UniqueFileHandle server(CreateNamedPipeW(win32::Wide(pipe).c_str(), PIPE_ACCESS_DUPLEX,
                                                    PIPE_TYPE_BYTE | PIPE_WAIT, 4, 0, 0, 0, nullptr));
    ASSERT_TRUE(server);
    for (const char* command : {"check --json ", "check --json --editor "}) {
        const ToolRun run = Run(command + Quote(pipe));
        EXPECT_EQ(run.exitCode, 2u) << command;
        EXPECT_EQ(nlohmann::json::parse(run.out)["ok"], false) << command;
        EXPECT_NE(run.err.find("is not a regular file"), std::string::npos) << run.err;
    }
    const std::string huge = folder_.File("HUGE.TVX");
    ASSERT_TRUE(WriteBytes(huge, "[VER8.05]\r\n[PAGE1]\r\n" + std::string(16 * 1024 * 1024, ' ')));
    const ToolRun run = Run("dump " + Quote(huge));
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("larger than 16 MiB"), std::string::npos) << run.err;
}

TEST_F(TvtoolTest, ProgramFolderDefaultsToTvtoolsOwnFolder) {
    const std::string path =
        Definition("PF.TVX", "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"t\",,,,,,,,\"CMD:Tvtool.exe\",0,,\r\n");
    EXPECT_EQ(Run("check " + Quote(path)).exitCode, 0u);
    EXPECT_EQ(Run("check --program-folder " + Quote(folder_.Path()) + " " + Quote(path)).exitCode, 1u);
}

TEST_F(TvtoolTest, FormatRewritesCanonicallyAndSafely) {
    const std::string messy =
        Definition("MESSY.TVX",
                   "*,kept\r\n[ver8.01]\r\n[mode1]\r\n[page1]\r\n"
                   "cmd1 , , on , \"Editor\" ,,,, m4 , b3 ,,,\"CMD:regedit.exe\",0,,\r\n");
    const std::string out = folder_.File("OUT.TVX");
    const ToolRun run = Run("format " + Quote(messy) + " " + Quote(out));
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(Cp932ToUtf8(ReadBytes(out).value_or("")),
              "*,kept\r\n[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,,ON,\"Editor\",,,,M,B,,,\"CMD:regedit.exe\","
              "0,,\r\n");

    const std::string sample = Definition("SAMPLE.TVX", kSample);
    ASSERT_EQ(Run("format " + Quote(sample)).exitCode, 0u);
    EXPECT_EQ(ReadBytes(sample).value_or(""), Utf8ToCp932(kSample));
    EXPECT_FALSE(FileExists(sample + ".~tv"));

    // A target that cannot be written leaves nothing behind.
    const std::string nowhere = folder_.File("NO\\SUCH\\FOLDER\\X.TVX");
    EXPECT_EQ(Run("format " + Quote(sample) + " " + Quote(nowhere)).exitCode, 2u);
    // A definition that does not read cleanly is not rewritten.
    const std::string bad =
        Definition("BADFMT.TVX", "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"x\",,,,,,,,XYZ,,,\r\n");
    const std::string before = ReadBytes(bad).value_or("");
    EXPECT_EQ(Run("format " + Quote(bad)).exitCode, 1u);
    EXPECT_EQ(ReadBytes(bad).value_or(""), before);
}

TEST_F(TvtoolTest, JapaneseFileNamesPassThroughTheCommandLine) {
    const std::string path = Definition("業務メニュー.TVX", kSample);
    const ToolRun run = Run("dump --editor " + Quote(path));
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["pages"][0]["buttons"][0]["caption"], "メモ帳");
    const std::string copy = folder_.File("写し.TVX");
    ASSERT_EQ(Run("format " + Quote(path) + " " + Quote(copy)).exitCode, 0u);
    EXPECT_EQ(ReadBytes(copy).value_or(""), Utf8ToCp932(kSample));
}

TEST_F(TvtoolTest, RenderWritesOnePngPerDefinedPageOfTheSampleInEveryMode) {
    const std::string sample = ProgramPath("TORVA.TVX");
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    for (int mode = 1; mode <= 9; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const std::string out = folder_.File("mode" + std::to_string(mode));
        const ToolRun run =
            Run("render --mode " + std::to_string(mode) + " --out " + Quote(out) + " " + Quote(sample));
        ASSERT_EQ(run.exitCode, 0u) << run.err;
        EXPECT_EQ(run.out, out + "\\1.png\n" + out + "\\2.png\n" + out + "\\3.png\n");
        for (const char* page : {"1", "2", "3"}) {
            const Capture image = LoadPng(out + "\\" + page + ".png");
            ASSERT_FALSE(image.Empty()) << page;
            if (mode == 1) {
                // The designed client area, 8955 x 5745 twips.
                EXPECT_EQ(image.Width(), 597);
                EXPECT_EQ(image.Height(), 383);
            } else if (mode == 4) {
                EXPECT_EQ(image.Width(), screenWidth);
                EXPECT_EQ(image.Height(), screenHeight);
            } else {
                EXPECT_LT(image.Width(), screenWidth);
                EXPECT_GT(image.Height(), 0);
            }
        }
        EXPECT_FALSE(ReadBytes(out + "\\4.png")) << "only defined pages are drawn";
    }
}

TEST_F(TvtoolTest, RenderRefusesUndefinedPagesAndUnknownModes) {
    const std::string sample = ProgramPath("TORVA.TVX");
    const std::string out = Quote(folder_.File("refused"));
    for (const std::string args : {"--page 4", "--page 0", "--mode 10", "--mode x", "--page 1 --all"}) {
        const ToolRun run = Run("render " + args + " --out " + out + " " + Quote(sample));
        EXPECT_EQ(run.exitCode, 2u) << args;
        EXPECT_FALSE(run.err.empty()) << args;
    }
    EXPECT_EQ(Run("render --out " + out + " " + Quote(folder_.File("MISSING.TVX"))).exitCode, 2u);
}

TEST_F(TvtoolTest, UsageErrorsExitWith2) {
    for (const char* args : {"", "frobnicate x", "check", "check --bogus x", "check a b", "dump --json x",
                             "check --program-folder"}) {
        EXPECT_EQ(Run(args).exitCode, 2u) << args;
    }
    EXPECT_EQ(Run("--help").exitCode, 0u);
}

}  // namespace
}  // namespace torva::e2e
