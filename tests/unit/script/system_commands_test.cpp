#include <gtest/gtest.h>

#include "runner_fixture.h"

namespace torva::script::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(RunnerTest, CendClosesTheCallerOnlyWhenThereIsOne) {
    EXPECT_EQ(RunScript({"CEND:", "MSG: GOES ON"}, std::string("|TORVA|0001A2B4|") + kScript), 0);
    EXPECT_EQ(host.Actions(), (Strings{"syscommand 107188 1090", "box GOES ON"}));

    for (const std::string& commandLine : {std::string("|TORVA|00000000|") + kScript, std::string(kScript),
                                           std::string("|TORVA|FFFFFFFF|") + kScript}) {
        FakeScriptHost fresh;
        fresh.AddScript(kScript, "CEND:\r\nMSG: GOES ON\r\n");
        ScriptState s;
        ScriptRunner runner(fresh, s);
        EXPECT_EQ(runner.Run(commandLine), 0);
        EXPECT_EQ(fresh.Actions(), Strings{"box GOES ON"}) << commandLine;
    }
}

TEST_F(RunnerTest, LocalExitRequestsEndTheScript) {
    struct Case {
        const char* line;
        bool nt;
        Strings actions;
    };
    const Case cases[] = {
        {"REBT:", true, {"privilege local", "exitwindows 2"}},
        {"POFF:", true, {"privilege local", "exitwindows 8"}},
        {"SDWN:", true, {"privilege local", "exitwindows 1"}},
        {"LOFF:", true, {"exitwindows 0"}},
        {"REBT:", false, {"exitwindows 2"}},
        {"POFF:", false, {"exitwindows 1"}},
        {"SDWN:", false, {"exitwindows 1"}},
        {"LOFF:", false, {"exitwindows 0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.line) + (c.nt ? " nt" : " other"));
        EXPECT_EQ(ActionsOf(std::string(c.line) + " IGNORED\r\nMSG: NOT SHOWN\r\n", c.nt), c.actions);
    }
}

// Remote shutdowns, messages and presses: what each sends, and the script goes on after it.
TEST_F(RunnerTest, RemoteRequestsGoOnToTheNextLine) {
    struct Case {
        const char* line;
        bool nt;
        Strings actions;
    };
    const Case cases[] = {
        {"RSDWN: PC01", true, {"privilege remote", "remoteshutdown PC01 [] 0 force"}},
        {"rrebt: pc01   save your work ",
         true,
         {"privilege remote", "remoteshutdown PC01 [SAVE YOUR WORK] 30 force reboot"}},
        {"RSDWN: PC01 BYE", true, {"privilege remote", "remoteshutdown PC01 [BYE] 30 force"}},
        {"RSDWN:", true, {}},
        {"RSDWN: PC01", false, {}},
        {"RREBT: PC01 X", false, {}},
        {"RMSG: PC01 hello", true, {"mailslot PC01 9999WS01:HELLO"}},
        {"RMSG: . a: b:c ", true, {"mailslot . 9999WS01:A: B:C"}},
        {"RMSG: PC01", true, {}},
        {"RMSG: PC01    ", true, {}},
        {"RMSG:", true, {}},
        {"RCTL: PC01 3 12", true, {"mailslot PC01 0312"}},
        {"RCTL: . 99 24", true, {"mailslot . 9924"}},
        {"RCTL: PC01 1  1", true, {"mailslot PC01 0101"}},
        {"RCTL: PC01 3", true, {}},
        {"RCTL: PC01", true, {}},
        {"RCTL:", true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Strings expected = c.actions;
        expected.push_back("box NEXT");
        EXPECT_EQ(ActionsOf(std::string(c.line) + "\r\nMSG: NEXT\r\n", c.nt), expected);
    }
}

TEST_F(RunnerTest, RemoteTextIsSentAsShiftJisInOneWrite) {
    EXPECT_EQ(RunScript({"RMSG: PC01 会議は10時から"}), 0);
    ASSERT_EQ(host.mailslot.size(), 1u);
    EXPECT_EQ(host.mailslot[0].first, "PC01");
    EXPECT_EQ(host.mailslot[0].second, Utf8ToCp932("9999WS01:会議は10時から"));
    EXPECT_EQ(host.mailslot[0].second.size(), 4u + 4u + 1u + 12u + 2u);
}

TEST_F(RunnerTest, PressOutOfRangeIsError4) {
    for (const char* argument : {"PC01 0 5", "PC01 100 1", "PC01 1 25", "PC01 1 0", "PC01 -3 2"}) {
        FakeScriptHost fresh;
        fresh.AddScript(kScript, std::string("RCTL: ") + argument + "\r\nMSG: NOT SHOWN\r\n");
        ScriptState s;
        ScriptRunner runner(fresh, s);
        SCOPED_TRACE(argument);
        EXPECT_EQ(runner.Run(kScript), 4);
        EXPECT_TRUE(fresh.mailslot.empty());
        ASSERT_EQ(fresh.boxes.size(), 1u);
        EXPECT_EQ(fresh.boxes[0].text,
                  ErrorBox("許されないページ（ボタン）番号が指定されています。", argument, "4:0"));
    }
}

TEST_F(RunnerTest, PressNumberTooLargeIsFatal) {
    EXPECT_EQ(RunScript({"RCTL: PC01 70000 1"}), 999);
    EXPECT_EQ(LastBox(), FatalBox("999:6"));
}

TEST_F(RunnerTest, SystemAndRemoteLinesLeaveTheExitCodeAlone) {
    host.files.AddFile("C:\\TORVA\\SMPTVS.EXE");
    host.exitCodes["\"C:\\TORVA\\SMPTVS.EXE\" "] = 9;
    EXPECT_EQ(RunScript({"WAIT: SMPTVS.EXE", "RMSG: PC01 HI", "RCTL: PC01 1 2", "CEND:", "RSDWN: PC02",
                         "SLEEP: 0", "MSG: X", "CODE=9:ERR", "END:", ":ERR", "MSG: NG"},
                        std::string("|TORVA|00000010|") + kScript),
              0);
    EXPECT_EQ(BoxTexts(), (Strings{"X", "NG"}));
    EXPECT_EQ(state.lastExitCode, 9);
}

}  // namespace
}  // namespace torva::script::testing
