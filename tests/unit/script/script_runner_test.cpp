#include <gtest/gtest.h>

#include "runner_fixture.h"

namespace torva::script::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string kCommandError = "許されないスクリプトコマンドが指定されています。";
const std::string kLabelError = "飛び先のラベルが見つかりませんでした。";

// Start-up ----------------------------------------------------------------------------------------

TEST_F(RunnerTest, EmptyCommandLineEndsAtOnceStartingNothing) {
    for (const char* commandLine : {"", "   ", "\"\"", "|TORVA|00000000|", "|TORVA|0001A2B4|  "}) {
        FakeScriptHost fresh;
        ScriptState s;
        ScriptRunner runner(fresh, s);
        EXPECT_EQ(runner.Run(commandLine), 0) << commandLine;
        EXPECT_TRUE(fresh.log.empty()) << commandLine;
        EXPECT_EQ(fresh.reads, 0);
    }
}

TEST_F(RunnerTest, StartsTheDocumentOpenerFirstAndQuoted) {
    EXPECT_EQ(RunScript({"END:"}), 0);
    ASSERT_FALSE(host.started.empty());
    EXPECT_EQ(host.started.front(), "\"C:\\TORVA\\Tvshell.exe\" <LinkTVX>");
    EXPECT_GE(host.pumps, 100);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RunnerTest, MissingScriptIsError99AfterTheOpenerStarted) {
    EXPECT_EQ(Run("NOSUCH.TVS"), 99);
    EXPECT_EQ(host.started.size(), 1u);
    EXPECT_EQ(BoxTexts(), Strings{ErrorBox("ＴＯＲＶＡスクリプトファイルが存在しません。",
                                           "C:\\TORVA\\NOSUCH.TVS", "99:0")});
    EXPECT_EQ(host.boxes.front().kind, BoxKind::Error);
}

TEST_F(RunnerTest, OpenerThatCannotStartIsFatal) {
    host.failStarts.insert("\"C:\\TORVA\\Tvshell.exe\" <LinkTVX>");
    EXPECT_EQ(RunScript({"MSG: NEVER"}), 999);
    EXPECT_EQ(BoxTexts(), Strings{FatalBox("999:53")});
}

TEST_F(RunnerTest, MalformedCallerWindowIsFatalBeforeAnythingStarts) {
    EXPECT_EQ(Run("|TORVA|XYZ00000|C:\\A.TVS"), 999);
    EXPECT_TRUE(host.started.empty());
    EXPECT_EQ(BoxTexts(), Strings{FatalBox("999:13")});
}

TEST_F(RunnerTest, UnreadableScriptIsFatal) {
    host.files.AddFolder(kScript);  // exists, but cannot be read (a folder, a locked file)
    EXPECT_EQ(Run(kScript), 999);
    EXPECT_EQ(BoxTexts(), Strings{FatalBox("999:75")});
}

TEST_F(RunnerTest, RelativeScriptPathIsInTheRunnerFolder) {
    host.AddScript("C:\\TORVA\\DAILY.TVS", "MSG: HERE\r\n");
    EXPECT_EQ(Run("DAILY.TVS"), 0);
    EXPECT_EQ(BoxTexts(), Strings{"HERE"});
    EXPECT_EQ(state.scriptFolder, "C:\\TORVA");
}

// Lines -------------------------------------------------------------------------------------------

TEST_F(RunnerTest, UnknownCommandBoxWordForWord) {
    EXPECT_EQ(RunScript({"MSG: BEFORE", "pause: 5", "MSG: AFTER"}), 1);
    EXPECT_EQ(
        BoxTexts(),
        (Strings{"BEFORE", "許されないスクリプトコマンドが指定されています。\rPAUSE: 5\rErrorNo = 1:0"}));
}

TEST_F(RunnerTest, BlankLineIsError1) {
    EXPECT_EQ(RunScript({"MSG: A", "   ", "MSG: B"}), 1);
    EXPECT_EQ(BoxTexts(), (Strings{"A", ErrorBox(kCommandError, "", "1:0")}));
}

TEST_F(RunnerTest, CommentsAndLabelsAreSkipped) {
    EXPECT_EQ(RunScript({"* a comment", "   *indented", ":LABEL", "MSG: done"}), 0);
    EXPECT_EQ(BoxTexts(), Strings{"DONE"});
    EXPECT_EQ(state.lineNumber, 4);
}

TEST_F(RunnerTest, LineEndingsAndShiftJis) {
    host.AddScript(kScript, "MSG: 一\rMSG: 二\nMSG: 三\r\nMSG: 四");
    EXPECT_EQ(Run(kScript), 0);
    EXPECT_EQ(BoxTexts(), (Strings{"一", "二", "三", "四"}));
}

TEST_F(RunnerTest, ArgumentlessKeywordsIgnoreTheirTail) {
    EXPECT_EQ(RunScript({"END: NOW PLEASE", "MSG: NOT SHOWN"}), 0);
    EXPECT_TRUE(host.boxes.empty());
}

// Programs ----------------------------------------------------------------------------------------

TEST_F(RunnerTest, WaitBranchesOnTheExitCode) {
    // The sample scenario: OK after a normal end, NG after exit code 9.
    for (const auto& [exitCode, expected] : {std::pair{0u, "OK"}, std::pair{9u, "NG"}}) {
        FakeScriptHost fresh;
        fresh.files.AddFile("C:\\TORVA\\SMPTVS.EXE");
        fresh.exitCodes["\"C:\\TORVA\\SMPTVS.EXE\" "] = exitCode;
        fresh.AddScript(kScript, "WAIT: SMPTVS.EXE\r\nCODE=9:ERR\r\nMSG: OK\r\nEND:\r\n:ERR\r\nMSG: NG\r\n");
        ScriptState s;
        ScriptRunner runner(fresh, s);
        EXPECT_EQ(runner.Run(kScript), 0);
        ASSERT_EQ(fresh.boxes.size(), 1u);
        EXPECT_EQ(fresh.boxes[0].text, expected);
        EXPECT_EQ(fresh.boxes[0].kind, BoxKind::Information);
        EXPECT_EQ(s.lastExitCode, static_cast<int32_t>(exitCode));
    }
}

TEST_F(RunnerTest, ProgramLineStartsQuotedWithParameters) {
    host.files.AddFile("C:\\PROGRAM FILES\\TOOLS\\BACKUP.EXE");
    host.exitCodes["\"C:\\PROGRAM FILES\\TOOLS\\BACKUP.EXE\" /Q"] = 3;
    EXPECT_EQ(RunScript({"wait: <c:\\program files\\tools\\backup.exe> /q", "CODE>=3:END", "MSG: NOT SHOWN"}),
              0);
    EXPECT_EQ(host.Actions(), (Strings{"start \"C:\\PROGRAM FILES\\TOOLS\\BACKUP.EXE\" /Q",
                                       "wait \"C:\\PROGRAM FILES\\TOOLS\\BACKUP.EXE\" /Q"}));
}

TEST_F(RunnerTest, NowaitNeverWaitsAndResetsTheExitCode) {
    host.files.AddFile("D:\\JOBS\\A.EXE");
    host.files.AddFile("D:\\JOBS\\B.EXE");
    host.exitCodes["\"D:\\JOBS\\A.EXE\" "] = 5;
    host.exitCodes["\"D:\\JOBS\\B.EXE\" X"] = 7;
    EXPECT_EQ(RunScript({"WAIT: A.EXE", "NOWAIT: B.EXE X", "CODE<>0:L", "MSG: NO JUMP", ":L"}), 0);
    EXPECT_EQ(host.Actions(), (Strings{"start \"D:\\JOBS\\A.EXE\" ", "wait \"D:\\JOBS\\A.EXE\" ",
                                       "start \"D:\\JOBS\\B.EXE\" X", "box NO JUMP"}));
    EXPECT_EQ(state.lastExitCode, 0);
}

TEST_F(RunnerTest, DocumentsOpenInTheRunnerFolderWithoutParametersOrWaiting) {
    host.files.AddFile("D:\\JOBS\\README.TXT");
    host.files.AddFile("D:\\JOBS\\SUB.TVS");
    EXPECT_EQ(RunScript({"WAIT: README.TXT IGNORED", "WAIT: SUB.TVS", "CODE=0:END", "MSG: NOT SHOWN"}), 0);
    EXPECT_EQ(host.Actions(),
              (Strings{"open D:\\JOBS\\README.TXT in C:\\TORVA", "open D:\\JOBS\\SUB.TVS in C:\\TORVA"}));
}

TEST_F(RunnerTest, EmptyProgramNamesStartNothing) {
    EXPECT_EQ(RunScript({"WAIT: C:", "WAIT: \\\\", "NOWAIT:", "WAIT: \\", "MSG: ON"}), 0);
    EXPECT_EQ(host.Actions(), Strings{"box ON"});
}

TEST_F(RunnerTest, ProgramErrors) {
    struct Case {
        Strings lines;
        int status;
        std::string box;
    };
    const std::string started = "コマンドの起動に失敗しました。";
    const Case cases[] = {
        {{"wait: notepad"},
         2,
         ErrorBox("存在しないコマンドファイル名が指定されています。", "NOTEPAD", "2:0")},
        {{"NOWAIT: E:\\NO\\X.EXE /Q"},
         2,
         ErrorBox("存在しないコマンドファイル名が指定されています。", "E:\\NO\\X.EXE /Q", "2:0")},
        {{"WAIT: \\TOOLS\\X.EXE"},
         3,
         ErrorBox("許されないコマンドファイル名が指定されています。", "\\TOOLS\\X.EXE", "3:0")},
        {{"WAIT: FAILS.EXE A"}, 20, ErrorBox(started, "FAILS.EXE A", "20:0")},
        {{"WAIT: HANGS.EXE"}, 21, ErrorBox("コマンドの待ち合わせに失敗しました。", "HANGS.EXE", "21:0")},
        {{"NOWAIT: DOC.XYZ"}, 30, ErrorBox(started, "DOC.XYZ", "30:0")},
    };
    for (const auto& c : cases) {
        FakeScriptHost fresh;
        fresh.files.AddFiles({"C:\\TORVA\\FAILS.EXE", "C:\\TORVA\\HANGS.EXE", "C:\\TORVA\\DOC.XYZ"});
        fresh.failStarts.insert("\"C:\\TORVA\\FAILS.EXE\" A");
        fresh.failWaits = c.lines[0].find("HANGS") != std::string::npos;
        fresh.shellResult = 31;
        fresh.AddScript(kScript, torva::testing::Lines(c.lines) + "MSG: NOT SHOWN\r\n");
        ScriptState s;
        ScriptRunner runner(fresh, s);
        SCOPED_TRACE(c.lines[0]);
        EXPECT_EQ(runner.Run(kScript), c.status);
        ASSERT_EQ(fresh.boxes.size(), 1u);
        EXPECT_EQ(fresh.boxes[0].text, c.box);
        EXPECT_EQ(fresh.boxes[0].kind, BoxKind::Error);
    }
}

TEST_F(RunnerTest, StepCodeMovesTo981AtTheFirstExtension) {
    EXPECT_EQ(RunScript({"SLEEP: 40"}), 999);
    EXPECT_EQ(LastBox(), FatalBox("999:6"));

    FakeScriptHost fresh;
    fresh.files.AddFile("C:\\TORVA\\A.TXT");
    fresh.AddScript(kScript, "NOWAIT: A.TXT\r\nSLEEP: 40\r\n");
    ScriptState s;
    ScriptRunner runner(fresh, s);
    EXPECT_EQ(runner.Run(kScript), 981);
    EXPECT_EQ(fresh.boxes.back().text, FatalBox("981:6"));
}

TEST_F(RunnerTest, ScriptErrorsStillShowTheirOwnNumberAfterTheExtension) {
    host.files.AddFile("C:\\TORVA\\A.TXT");
    EXPECT_EQ(RunScript({"NOWAIT: A.TXT", "BOGUS"}), 1);
    EXPECT_EQ(LastBox(), ErrorBox(kCommandError, "BOGUS", "1:0"));
}

// CODE --------------------------------------------------------------------------------------------

TEST_F(RunnerTest, CodeErrors) {
    EXPECT_EQ(RunScript({"CODE 0:L"}), 10);
    EXPECT_EQ(LastBox(), ErrorBox("終了コード判定指定に誤りがあります。", "CODE 0:L", "10:0"));

    FakeScriptHost fresh;
    fresh.AddScript(kScript, "code=0\r\n");
    ScriptState s;
    ScriptRunner runner(fresh, s);
    EXPECT_EQ(runner.Run(kScript), 1);
    EXPECT_EQ(fresh.boxes.back().text, ErrorBox(kCommandError, "CODE=0", "1:0"));
}

TEST_F(RunnerTest, CodeValueOverflowIsFatal) {
    EXPECT_EQ(RunScript({"CODE=40000:L"}), 999);
    EXPECT_EQ(LastBox(), FatalBox("999:6"));
}

TEST_F(RunnerTest, TrueConditionSkipsToTheLabel) {
    EXPECT_EQ(RunScript({"CODE=0:L", "MSG: A", "", "BOGUS LINE", ":OTHER", ":L", "MSG: B"}), 0);
    // Blank and unknown lines are passed over while the label is searched for.
    EXPECT_EQ(BoxTexts(), Strings{"B"});
}

TEST_F(RunnerTest, FalseConditionGoesOn) {
    EXPECT_EQ(RunScript({"CODE<>0:L", "MSG: A", ":L", "MSG: B"}), 0);
    EXPECT_EQ(BoxTexts(), (Strings{"A", "B"}));
}

TEST_F(RunnerTest, EndTargetEndsNormally) {
    EXPECT_EQ(RunScript({"CODE >= 0 : END", "MSG: NOT SHOWN", ":END"}), 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(RunnerTest, ForwardSearchReachingTheEndIsError11) {
    EXPECT_EQ(RunScript({":FAIL", "CODE=0:FAIL", "MSG: NOT SHOWN"}), 11);
    EXPECT_EQ(BoxTexts(), Strings{ErrorBox(kLabelError, "FAIL", "11:0")});
}

TEST_F(RunnerTest, ForwardJumpReachesTheFirstLabelBelow) {
    EXPECT_EQ(
        RunScript({":L", "MSG: TOP", "CODE=0:L", "MSG: SKIPPED", ":L", "MSG: FIRST", ":L", "MSG: SECOND"}),
        0);
    EXPECT_EQ(BoxTexts(), (Strings{"TOP", "FIRST", "SECOND"}));
}

TEST_F(RunnerTest, LabelsCompareExactlyAfterUpperCasing) {
    EXPECT_EQ(RunScript({"code=0:Fail", ":FAILED", ":  fail", "MSG: FOUND"}), 0);
    EXPECT_EQ(BoxTexts(), Strings{"FOUND"});
}

// BACK: -------------------------------------------------------------------------------------------

TEST_F(RunnerTest, BackRepeatsFromTheFirstLabelFromTheTop) {
    host.answers = {BoxAnswer::No, BoxAnswer::No, BoxAnswer::Yes};
    EXPECT_EQ(RunScript({"MSG: ONCE", ":TOP", "MSGA: AGAIN", ":TOP", "MSG: LOOP", "BACK: TOP", "MSG: NEVER"}),
              0);
    const std::string again = "AGAIN\r処理を中止しますか？";
    EXPECT_EQ(BoxTexts(), (Strings{"ONCE", again, "LOOP", again, "LOOP", again}));
    EXPECT_EQ(host.reads, 3);  // every pass reads the file again
}

TEST_F(RunnerTest, BackFindsOnlyLabelsAbove) {
    EXPECT_EQ(RunScript({"MSG: A", "BACK: TOP", ":OTHER", "MSG: NOT SHOWN", ":TOP", "MSG: NOT SHOWN"}), 11);
    EXPECT_EQ(BoxTexts(), (Strings{"A", ErrorBox(kLabelError, "TOP", "11:0")}));
}

TEST_F(RunnerTest, BackWithNoLabelAfterItFailsAtTheEnd) {
    EXPECT_EQ(RunScript({":A", "BACK: B", "MSG: NOT SHOWN"}), 11);
    EXPECT_EQ(LastBox(), ErrorBox(kLabelError, "B", "11:0"));
}

TEST_F(RunnerTest, BackClearsItsLimitWhenFound) {
    // Second pass: a forward jump past the old BACK: line must not trip over the spent limit.
    host.files.AddFile("C:\\TORVA\\A.EXE");
    host.exitSequence = {1, 0};
    EXPECT_EQ(RunScript({":TOP", "WAIT: A.EXE", "CODE=0:OUT", "BACK: TOP", ":MID", ":OUT", "MSG: OUT"}), 0);
    EXPECT_EQ(BoxTexts(), Strings{"OUT"});
    EXPECT_EQ(state.searchLimit, 0);
    EXPECT_FALSE(state.searching);
}

// Boxes and pauses ------------------------------------------------------------------------------

TEST_F(RunnerTest, QuestionBoxes) {
    struct Case {
        const char* line;
        BoxAnswer answer;
        bool goesOn;
    };
    const Case cases[] = {
        {"MSGA: Q", BoxAnswer::Yes, false},
        {"MSGA: Q", BoxAnswer::No, true},
        {"MSGB: Q", BoxAnswer::Yes, true},
        {"MSGB: Q", BoxAnswer::No, false},
    };
    for (const auto& c : cases) {
        FakeScriptHost fresh;
        fresh.answers = {c.answer};
        fresh.AddScript(kScript, std::string(c.line) + "\r\nMSG: AFTER\r\n");
        ScriptState s;
        ScriptRunner runner(fresh, s);
        SCOPED_TRACE(c.line);
        EXPECT_EQ(runner.Run(kScript), 0);
        ASSERT_FALSE(fresh.boxes.empty());
        EXPECT_EQ(fresh.boxes[0].kind, BoxKind::Question);
        EXPECT_EQ(fresh.boxes.size(), c.goesOn ? 2u : 1u);
    }
}

TEST_F(RunnerTest, SleepPausesInMilliseconds) {
    EXPECT_EQ(RunScript({"SLEEP: 1.5", "SLEEP: 0", "SLEEP: -2", "SLEEP: 32.767"}), 0);
    EXPECT_EQ(host.sleeps, (std::vector<uint32_t>{1500, 32767}));
}

}  // namespace
}  // namespace torva::script::testing
