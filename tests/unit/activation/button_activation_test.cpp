#include "runtime/activation/button_activation.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "menuview/press_state.h"
#include "tests/unit/activation/activation_fixture.h"

namespace torva::activation::testing {
namespace {

using definition::ButtonAction;
using menuview::ClickState;
using Events = std::vector<std::string>;

// --- Click states: the window's press tracker feeding the handler --------------------------------

TEST_F(ActivationTest, RightClickThenClickStartsNothingAndTheNextLeftClickWorks) {
    RunButton(1, 4, "C:\\a.exe");
    menuview::PressTracker press;
    press.MouseDown(false);
    press.MouseUp();
    window.clickStates[4] = press.state();
    Click(4);
    EXPECT_TRUE(processes.started.empty());
    EXPECT_EQ(window.ClickStateOf(4), ClickState::Idle);

    press.MouseDown(true);
    press.MouseUp();
    window.clickStates[4] = press.state();
    Click(4);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(window.ClickStateOf(4), ClickState::Idle);
}

// A launch passes through the extension rule, whose number a fatal report then shows.
TEST_F(ActivationTest, LaunchNotesTheExtensionRuleLocation) {
    for (const char* program : {"C:\\p.exe", "C:\\s.tvs", "C:\\d.txt"}) {
        SCOPED_TRACE(program);
        RunButton(1, 1, program);
        error.code = 0;
        Click(1);
        EXPECT_EQ(error.code, 981);
    }
}

TEST_F(ActivationTest, DragOffAndBackStillClicksButReleasingOutsideDoesNot) {
    menuview::PressTracker press;
    press.MouseDown(true);
    press.MouseMove(300, 10, 235, 36, true);  // off the button
    EXPECT_EQ(press.state(), ClickState::DraggedOff);
    press.MouseMove(10, 10, 235, 36, true);  // back on it
    EXPECT_EQ(press.state(), ClickState::LeftPressed);
    press.MouseUp();
    RunButton(1, 2, "C:\\a.exe");
    window.clickStates[2] = press.state();
    Click(2);
    EXPECT_EQ(processes.started.size(), 1u);

    press.MouseDown(true);
    press.MouseMove(10, -3, 235, 36, true);
    press.MouseUp();
    EXPECT_EQ(press.state(), ClickState::Idle);  // no click follows a release outside
}

TEST_F(ActivationTest, RemotePressIgnoresTheClickStateAndUsesItsOwnPage) {
    RunButton(3, 12, "C:\\remote.exe");
    RunButton(1, 12, "C:\\local.exe");
    window.clickStates[12] = ClickState::OtherPressed;
    RemotePress(3, 12);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "\"C:\\remote.exe\" ");
    EXPECT_EQ(window.currentPage, 1);         // the shown page does not change
    EXPECT_FALSE(state.remotePress.IsSet());  // taken by the handler
    EXPECT_EQ(window.ClickStateOf(12), ClickState::OtherPressed);
}

TEST_F(ActivationTest, PendingPageIsTakenEvenWhenThePressCannotAct) {
    RunButton(1, 1, "C:\\local.exe");
    RemotePress(7, 1);   // page 7 is not defined
    RemotePress(3, 30);  // no such button
    EXPECT_TRUE(processes.started.empty());
    Click(1);  // a later local click acts on the shown page
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "\"C:\\local.exe\" ");
}

TEST_F(ActivationTest, ButtonsBeyondThePageSizeAndActionZeroDoNothing) {
    RunButton(1, 13, "C:\\hidden.exe");  // only 12 buttons outside display mode 9
    Click(13);
    Button(1, 1).action = ButtonAction::None;
    Button(1, 1).program = "C:\\x.exe";
    Click(1);
    Click(0);
    Click(25);
    EXPECT_TRUE(processes.started.empty());
    EXPECT_TRUE(window.events.empty());
}

// --- Running buttons and passwords ---------------------------------------------------------------

TEST_F(ActivationTest, RunningButtonBringsItsProgramForwardWithoutPassword) {
    auto& b = RunButton(1, 5, "C:\\a.exe", 1);
    b.password = "pw";
    Click(5);
    ASSERT_EQ(processes.started.size(), 1u);
    const uint32_t pid = 100;
    processes.withWindow.insert(pid);
    processes.visibleWindow[pid] = 0x777;
    Click(5);
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(window.passwordPrompts.size(), 1u);  // only the first activation asked
    EXPECT_EQ(window.events.back(), "forward " + std::to_string(0x777));
}

TEST_F(ActivationTest, PasswordCancelStopsAndAcceptRuns) {
    auto& b = RunButton(1, 1, "C:\\a.exe");
    b.password = "Secret";
    b.guide = "管理者用";
    window.passwordAccepted = false;
    Click(1);
    EXPECT_TRUE(processes.started.empty());
    ASSERT_EQ(window.passwordPrompts.size(), 1u);
    EXPECT_EQ(window.passwordPrompts[0], std::make_pair(std::string("Secret"), std::string("管理者用")));
    window.passwordAccepted = true;
    Click(1);
    EXPECT_EQ(processes.started.size(), 1u);
    RemotePress(1, 1);  // timed and remote presses ask too
    EXPECT_EQ(window.passwordPrompts.size(), 3u);
}

// --- Action 1 ------------------------------------------------------------------------------------

TEST_F(ActivationTest, MissingProgramMarkerShowsTheBoxAndBlankDoesNothing) {
    RunButton(1, 1, "(ERR)");
    RunButton(1, 2, "   ");
    Click(1);
    Click(2);
    EXPECT_TRUE(processes.started.empty());
    EXPECT_EQ(window.criticalTexts, Events{"実行ファイルが存在しません！！\r"});
}

struct WaitModeCase {
    int pageMode, runOption;
    Events events;  // what the window is asked to do after the start
    bool running;
};

class WaitModes : public ActivationTest, public ::testing::WithParamInterface<WaitModeCase> {};

TEST_P(WaitModes, StartMarksLocksAndHidesByTheEffectiveMode) {
    const WaitModeCase& c = GetParam();
    def->Page(1).pageWaitMode = static_cast<uint8_t>(c.pageMode);
    RunButton(1, 6, "C:\\p.exe", c.runOption);
    Click(6);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(window.events, c.events);
    EXPECT_EQ(state.running.IsRunning(1, 6), c.running);
    EXPECT_EQ(state.running.Count(), c.running ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Activation, WaitModes,
                         ::testing::Values(WaitModeCase{0, 0, {}, false},
                                           WaitModeCase{0, 1, {"timer1 on"}, true},
                                           WaitModeCase{0, 2, {"timer1 on", "hide"}, true},
                                           WaitModeCase{0, 3, {"lock", "timer1 on"}, true},
                                           WaitModeCase{0, 4, {"lock", "timer1 on", "hide"}, true},
                                           // the page's mode replaces every button's own
                                           WaitModeCase{3, 0, {"lock", "timer1 on"}, true},
                                           WaitModeCase{3, 2, {"lock", "timer1 on"}, true},
                                           WaitModeCase{1, 4, {"timer1 on"}, true}));

TEST_F(ActivationTest, ScriptGetsTheWindowHandleAndWaitsLikeAProgram) {
    RunButton(1, 3, "C:\\S\\end.tvs", 3).arguments = "x";
    Click(3);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "C:\\TORVA\\Tvscript.exe |TORVA|00001A2B|C:\\S\\end.tvs");
    EXPECT_EQ(window.events, (Events{"lock", "timer1 on"}));
}

TEST_F(ActivationTest, DocumentAlwaysLocksUntilTheOpenerEnds) {
    RunButton(1, 2, "C:\\Docs\\a.txt", 0).workFolder = "C:\\Docs";
    Click(2);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "C:\\TORVA\\Tvshell.exe <C:\\Docs>C:\\Docs\\a.txt");
    EXPECT_TRUE(files.folderChanges.empty());  // the opener changes folder itself
    EXPECT_EQ(window.events, (Events{"lock", "timer2 on"}));
    EXPECT_EQ(state.lastDocumentProcess, 100u);
    EXPECT_EQ(state.running.Count(), 0u);
}

TEST_F(ActivationTest, WorkFolderIsCurrentDuringTheStartOnly) {
    RunButton(1, 1, "C:\\a.exe").workFolder = "D:\\Work";
    RunButton(1, 2, "C:\\b.exe");
    Click(1);
    Click(2);
    ASSERT_EQ(processes.started.size(), 2u);
    EXPECT_EQ(processes.started[0].currentFolder, "D:\\Work");
    EXPECT_EQ(files.current, "C:\\TORVA");
    EXPECT_EQ(files.folderChanges, (Events{"D:\\Work", "C:\\TORVA"}));
}

TEST_F(ActivationTest, MissingWorkFolderIsReportedAndNothingStarts) {
    RunButton(1, 1, "C:\\a.exe", 3).workFolder = "D:\\Gone";
    files.MakeUnreachable("D:\\Gone");
    Click(1);
    EXPECT_TRUE(processes.started.empty());
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0].code, 20);
    EXPECT_EQ(window.reports[0].message, "コマンドの起動に失敗しました。");
    EXPECT_EQ(window.reports[0].detail, "D:\\Gone");
    EXPECT_FALSE(window.locked);
}

TEST_F(ActivationTest, FailedStartsAreReportedWithTheirCodesAndNothingIsMarked) {
    RunButton(1, 1, "C:\\a.exe", 4).workFolder = "D:\\W";
    RunButton(1, 2, "C:\\d.doc");
    processes.results = {std::nullopt, std::optional<uint32_t>(0)};
    Click(1);
    Click(2);
    ASSERT_EQ(window.reports.size(), 2u);
    EXPECT_EQ(window.reports[0].code, 20);
    EXPECT_EQ(window.reports[0].detail, "C:\\a.exe");
    EXPECT_EQ(window.reports[1].code, 30);
    EXPECT_EQ(files.current, "C:\\TORVA");  // folder restored after a failed start too
    EXPECT_TRUE(window.events.empty());
    EXPECT_EQ(state.running.Count(), 0u);
    EXPECT_EQ(state.lastDocumentProcess, 0u);
    // The last step entered was the extension rule: its number stays for a report that follows.
    EXPECT_EQ(error.code, 981);
}

TEST_F(ActivationTest, FullRunningListIgnoresSynchronousStartsOnly) {
    for (uint32_t i = 0; i < 99; ++i) ASSERT_TRUE(state.running.Add(2, 1, 1000 + i));
    RunButton(1, 1, "C:\\sync.exe", 1);
    RunButton(1, 2, "C:\\async.exe", 0);
    Click(1);
    Click(2);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "\"C:\\async.exe\" ");
}

// --- Other actions -------------------------------------------------------------------------------

TEST_F(ActivationTest, PageMoveOnlyToDefinedPages) {
    auto& b = Button(1, 1);
    b.action = ButtonAction::Page;
    b.targetPage = 5;
    Click(1);
    EXPECT_TRUE(window.events.empty());
    b.targetPage = 0;
    Click(1);
    EXPECT_TRUE(window.events.empty());
    b.targetPage = 3;
    Click(1);
    EXPECT_EQ(window.events, Events{"page 3"});
}

TEST_F(ActivationTest, EndRunsTheEndProgramsThenCloses) {
    Button(1, 1).action = ButtonAction::End;
    Click(1);
    EXPECT_EQ(window.events, (Events{"end programs", "close"}));
}

TEST_F(ActivationTest, ScreenSaverFromThePerUserValue) {
    Button(1, 1).action = ButtonAction::ScreenSaver;
    Click(1);  // no key: nothing
    registry.Put("hkcu\\Control Panel\\Desktop", "", "SCRNSAVE.EXE");
    Click(1);  // empty value: nothing
    EXPECT_TRUE(processes.started.empty());
    registry.Put("hkcu\\Control Panel\\Desktop", "C:\\WINDOWS\\system32\\スクリーン.scr", "SCRNSAVE.EXE");
    Click(1);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "\"C:\\WINDOWS\\system32\\スクリーン.scr\" /S");
    processes.results = {std::nullopt};
    Click(1);
    ASSERT_EQ(window.reports.size(), 1u);
    EXPECT_EQ(window.reports[0].code, 20);
    EXPECT_EQ(window.reports[0].message, "スクリーンセーバーの起動に失敗しました。");
    services.ntPlatform = false;
    Click(1);
    EXPECT_EQ(window.events, Events{"screen saver command"});
}

struct LocalCase {
    ButtonAction action;
    bool confirms;
    Events power;
    const char* firstLine;
};

class LocalSystemActions : public ActivationTest, public ::testing::WithParamInterface<LocalCase> {};

TEST_P(LocalSystemActions, ConfirmationThenEndProgramsThenTheRequest) {
    const LocalCase& c = GetParam();
    Button(1, 1).action = c.action;
    window.confirmAnswer = false;
    Click(1);
    if (c.confirms) {
        ASSERT_EQ(window.confirmTexts.size(), 1u);
        EXPECT_EQ(window.confirmTexts[0], std::string(c.firstLine) + "\r実行しますか？");
        EXPECT_TRUE(window.events.empty());  // "No": nothing at all
        EXPECT_TRUE(power.calls.empty());
        window.confirmAnswer = true;
        Click(1);
    } else {
        EXPECT_TRUE(window.confirmTexts.empty());
    }
    EXPECT_EQ(window.events, (Events{"end programs", "close"}));
    EXPECT_EQ(power.calls, c.power);
}

INSTANTIATE_TEST_SUITE_P(
    Activation, LocalSystemActions,
    ::testing::Values(
        LocalCase{ButtonAction::Logoff, false, {"exit 0"}, ""},
        LocalCase{ButtonAction::Shutdown, false, {"privilege", "exit 1"}, ""},
        LocalCase{ButtonAction::PowerOff, false, {"privilege", "exit 8"}, ""},
        LocalCase{ButtonAction::Reboot, false, {"privilege", "exit 2"}, ""},
        LocalCase{ButtonAction::ConfirmLogoff, true, {"exit 0"}, "ログオフが選択されました。"},
        LocalCase{
            ButtonAction::ConfirmShutdown, true, {"privilege", "exit 1"}, "シャットダウンが選択されました。"},
        LocalCase{
            ButtonAction::ConfirmPowerOff, true, {"privilege", "exit 8"}, "パワーオフが選択されました。"},
        LocalCase{ButtonAction::ConfirmReboot, true, {"privilege", "exit 2"}, "リブートが選択されました。"}));

TEST_F(ActivationTest, PowerOffIsAShutdownOnOlderSystems) {
    services.ntPlatform = false;
    Button(1, 1).action = ButtonAction::PowerOff;
    Click(1);
    EXPECT_EQ(power.calls, Events{"exit 1"});
}

TEST_F(ActivationTest, RemoteShutdownsWithAndWithoutMessageAndConfirmation) {
    auto& b = Button(1, 1);
    b.action = ButtonAction::RemoteShutdown;
    b.program = "PC02";
    b.arguments = "停止します";
    Click(1);
    b.action = ButtonAction::RemoteReboot;
    b.arguments = "";
    Click(1);
    b.action = ButtonAction::ConfirmRemoteReboot;
    window.confirmAnswer = false;
    Click(1);
    ASSERT_EQ(window.confirmTexts.size(), 1u);
    EXPECT_EQ(window.confirmTexts[0],
              "ｺﾝﾋﾟｭｰﾀ名：PC02\rのリモートリブートが選択されました。\r実行しますか？");
    b.action = ButtonAction::ConfirmRemoteShutdown;
    window.confirmAnswer = true;
    Click(1);
    EXPECT_EQ(window.confirmTexts[1],
              "ｺﾝﾋﾟｭｰﾀ名：PC02\rのリモートシャットダウンが選択されました。\r実行しますか？");
    // Each request enables the remote privilege first.
    EXPECT_EQ(power.calls,
              (Events{"remote privilege", "remote PC02 [停止します] 30 force", "remote privilege",
                      "remote PC02 [] 0 force reboot", "remote privilege", "remote PC02 [] 0 force"}));
    EXPECT_TRUE(window.events.empty());  // the menu goes on
}

TEST_F(ActivationTest, RemoteShutdownWithoutComputerNameNeverTargetsThisMachine) {
    auto& b = Button(1, 1);
    b.action = ButtonAction::RemoteShutdown;
    b.program = "  ";
    Click(1);
    services.ntPlatform = false;
    b.program = "PC02";
    Click(1);
    EXPECT_TRUE(power.calls.empty());
}

TEST_F(ActivationTest, TextMessageAsksWhenNoTextIsSet) {
    auto& b = Button(1, 1);
    b.action = ButtonAction::RemoteMessage;
    b.program = "PC02";
    window.typedText = std::nullopt;  // cancel
    Click(1);
    window.typedText = "";
    Click(1);
    EXPECT_TRUE(mailslots.sent.empty());
    ASSERT_EQ(window.askedPrompts.size(), 2u);
    EXPECT_EQ(window.askedPrompts[0], "PC02 に送信するメッセージを入力して下さい。");
    window.typedText = "昼食:12時";
    Click(1);
    b.arguments = "preset";
    Click(1);
    EXPECT_EQ(window.askedPrompts.size(), 3u);  // preset text sends without asking
    ASSERT_EQ(mailslots.sent.size(), 2u);
    EXPECT_EQ(mailslots.sent[0].computer, "PC02");
    EXPECT_EQ(mailslots.sent[0].name, "TORVAMS");
    EXPECT_EQ(mailslots.sent[0].bytes, Utf8ToCp932("9999PC01:昼食:12時"));  // ANSI code page on the wire
    EXPECT_EQ(mailslots.sent[1].bytes, "9999PC01:preset");
}

TEST_F(ActivationTest, RemotePressSendsFourDigits) {
    auto& b = Button(1, 1);
    b.action = ButtonAction::RemoteControl;
    b.program = "PC03";
    b.targetPage = 3;
    b.runOption = 9;
    Click(1);
    ASSERT_EQ(mailslots.sent.size(), 1u);
    EXPECT_EQ(mailslots.sent[0].computer, "PC03");
    EXPECT_EQ(mailslots.sent[0].bytes, "0309");
}

}  // namespace
}  // namespace torva::activation::testing
