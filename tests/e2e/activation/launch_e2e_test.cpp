// Starting programs, scripts and documents from buttons, with every wait mode, through the real
// menu program and probe stand-ins.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

std::vector<std::string> Header(const std::vector<std::string>& options = {}) {
    std::vector<std::string> lines{"[VER8.05]"};
    lines.insert(lines.end(), options.begin(), options.end());
    lines.push_back("[MODE1]");
    return lines;
}

std::vector<std::string> Menu(const std::vector<std::string>& options, const std::vector<std::string>& page1,
                              int pageWaitMode = 0) {
    auto lines = Header(options);
    lines.push_back("[PAGE1]");
    lines.push_back("VARTITLE,\"Page one\",," + std::to_string(pageWaitMode));
    lines.insert(lines.end(), page1.begin(), page1.end());
    return lines;
}

struct WaitCase {
    int mode;
    bool tray;
    bool locks;
    bool hides;
};

class WaitModeE2E : public ::testing::TestWithParam<WaitCase> {};

TEST_P(WaitModeE2E, StartMarksLocksHidesAndReleasesWhenTheProgramCloses) {
    const WaitCase c = GetParam();
    MenuSession s(ActivationOptions());
    std::vector<std::string> options;
    if (c.tray) options.push_back("[TSKI]");
    ASSERT_TRUE(s.Start(Menu(options, {ProbeButton(s, 1, "--title WaitProbe wait", c.mode)})));

    s.Click(1);
    ASSERT_TRUE(WaitForWindow(Titled("WaitProbe")).has_value());
    ASSERT_TRUE(s.WaitForRecordWithArg("wait"));
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled() == !c.locks; }));
    if (c.hides && c.tray) {
        EXPECT_TRUE(WaitUntil([&] { return !s.MenuVisible(); }));
    }
    if (c.hides && !c.tray) {
        EXPECT_TRUE(WaitUntil([&] { return s.MenuMinimised(); }));
    }
    if (!c.hides) {
        EXPECT_TRUE(s.MenuVisible());
        EXPECT_FALSE(s.MenuMinimised());
    }

    if (!c.locks && !c.hides) {
        // A running button brings its program forward; a button without wait starts another.
        s.Click(1);
        if (c.mode == 0) {
            EXPECT_TRUE(WaitUntil([&] { return s.RecordsWithArg("wait").size() == 2; }));
        } else {
            // The click has been handled once the menu answers twice; a second copy would run now.
            ASSERT_TRUE(MessageRoundTrip(s.Menu()) && MessageRoundTrip(s.Menu()));
            EXPECT_TRUE(WaitUntil([&] { return LiveChildCount(s.Program().Id()) == 1; }));
            EXPECT_EQ(s.RecordsWithArg("wait").size(), 1u);
        }
    }

    // Another program is in front when the waited-for one ends: a mode above 1 hands the menu back
    // in front of it, a lock alone included.
    Process bystander;
    if (c.mode >= 2) {
        bystander = Process::Start(s.Probe(), StartOptions().Args("--title Bystander"));
        const auto other = WaitForWindow(Titled("Bystander"));
        ASSERT_TRUE(other.has_value());
        ASSERT_TRUE(BringToForeground(*other));
    }
    ASSERT_TRUE(CloseWindowsTitled("WaitProbe"));
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled() && s.MenuVisible() && !s.MenuMinimised(); }));
    if (c.mode >= 2) {
        EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == s.Menu(); }))
            << "the menu comes back in front after wait mode " << c.mode;
        bystander.Kill();
    }
    if (c.mode != 0) {
        // Released once the running-list poll sees the ended process without windows: from then on
        // a click starts the program again (before, a click only brings nothing forward), and once
        // it runs again further clicks start no second copy.
        const std::size_t before = s.RecordsWithArg("wait").size();
        EXPECT_TRUE(WaitUntil(
            [&] {
                if (s.RecordsWithArg("wait").size() > before) return true;
                s.Click(1);
                return false;
            },
            Millis(20000), Millis(1000)));
        ASSERT_TRUE(WaitForWindow(Titled("WaitProbe")).has_value());
        ASSERT_TRUE(MessageRoundTrip(s.Menu()) && MessageRoundTrip(s.Menu()));
        EXPECT_TRUE(WaitUntil([&] { return LiveChildCount(s.Program().Id()) == 1; }))
            << "later clicks start no second copy";
        EXPECT_EQ(s.RecordsWithArg("wait").size(), before + 1);
        ASSERT_TRUE(CloseWindowsTitled("WaitProbe"));
    }
}

INSTANTIATE_TEST_SUITE_P(Activation, WaitModeE2E,
                         ::testing::Values(WaitCase{0, false, false, false}, WaitCase{1, false, false, false},
                                           WaitCase{2, false, false, true}, WaitCase{2, true, false, true},
                                           WaitCase{3, false, true, false}, WaitCase{4, true, true, true},
                                           WaitCase{4, false, true, true}));

TEST(ActivationE2E, PageWaitModeLocksWhateverTheButtonSays) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(Menu({}, {ProbeButton(s, 2, "--title PageLockProbe", 0)}, 3)));
    s.Click(2);
    ASSERT_TRUE(WaitForWindow(Titled("PageLockProbe")).has_value());
    EXPECT_TRUE(WaitUntil([&] { return !s.MenuEnabled(); }));
    ASSERT_TRUE(CloseWindowsTitled("PageLockProbe"));
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled(); }));
}

TEST(ActivationE2E, ProgramGetsItsArgumentsAndWorkFolder) {
    MenuSession s(ActivationOptions());
    const std::string work = s.Folder().File("work");
    ASSERT_TRUE(CreateDirectoryW(win32::Wide(work).c_str(), nullptr));
    ASSERT_TRUE(s.Start(Menu({}, {ProbeButton(s, 3, "a  b 日本", 0, {}, {}, work)})));
    // A right click is followed by a click that does nothing.
    ClickAt(s.Button(3), POINT{6, 6}, true);
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_TRUE(s.RecordsWithArg("日本").empty());
    s.Click(3);
    ASSERT_TRUE(s.WaitForRecordWithArg("日本"));
    const auto r = s.RecordsWithArg("日本").front();
    EXPECT_EQ(r.commandLine, "\"" + s.Probe() + "\" a  b 日本");
    EXPECT_EQ(r.args, (std::vector<std::string>{"a", "b", "日本"}));
    EXPECT_EQ(r.workFolder, work);
}

TEST(ActivationE2E, DocumentKeepsTheMenuLockedWhileTheOpenerLives) {
    // The opener stand-in shows its window for three seconds and then ends by itself (a close ends
    // it at once), so the test can tell when the menu unlocks without waiting a fixed time.
    SessionOptions options = ActivationOptions();
    options.probeOptions = "--title OpenerProbe --sleep 3000 --exit-on-close";
    MenuSession s(options);
    const std::string doc = s.Folder().File("note.txt");
    ASSERT_TRUE(WriteBytes(doc, "x"));
    ASSERT_TRUE(
        s.Start(Menu({}, {"CMD1,,OFF,\"Doc\",,,,,,,\"" + s.Folder().Path() + "\",\"CMD:" + doc + "\",4,,"})));
    // The opener's file-association start at launch shows a window too: close it first.
    ASSERT_TRUE(s.WaitForRecordWithArg("<LinkTVX>"));
    ASSERT_TRUE(WaitForWindow(Titled("OpenerProbe")).has_value());
    ASSERT_TRUE(CloseWindowsTitled("OpenerProbe"));
    const std::size_t before = s.ProbeRecords().size();
    s.Click(1);
    ASSERT_TRUE(s.WaitForProbeRecords(before + 1));
    const auto r = s.ProbeRecords().back();
    EXPECT_EQ(r.commandLine, s.Folder().File("Tvshell.exe") + " <" + s.Folder().Path() + ">" + doc);
    win32::UniqueKernelHandle opener(OpenProcess(SYNCHRONIZE, FALSE, r.pid));
    ASSERT_TRUE(opener);
    ASSERT_TRUE(WaitForWindow(Titled("OpenerProbe")).has_value());
    EXPECT_TRUE(WaitUntil([&] { return !s.MenuEnabled(); }));
    EXPECT_TRUE(s.MenuVisible());  // a document never hides the menu, whatever the wait mode
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled(); }));
    EXPECT_EQ(WaitForSingleObject(opener.get(), 0), WAIT_OBJECT_0) << "unlocked only once the opener ended";
}

TEST(ActivationE2E, OpenerWindowTitledTorvaStaysInFrontOfTheLockedMenu) {
    SessionOptions options = ActivationOptions();
    options.probeOptions = "--title \"TORVA opener\"";
    MenuSession s(options);
    const std::string doc = s.Folder().File("note.txt");
    ASSERT_TRUE(WriteBytes(doc, "x"));
    ASSERT_TRUE(s.Start(Menu({}, {"CMD1,,OFF,\"Doc\",,,,,,,,\"CMD:" + doc + "\",0,,"})));
    ASSERT_TRUE(s.WaitForRecordWithArg("<LinkTVX>"));
    ASSERT_TRUE(WaitForWindow(Titled("TORVA opener")).has_value());
    ASSERT_TRUE(CloseWindowsTitled("TORVA opener"));
    s.Click(1);
    const auto opener = WaitForWindow(Titled("TORVA opener"));
    ASSERT_TRUE(opener.has_value());
    ASSERT_TRUE(WaitUntil([&] { return !s.MenuEnabled(); }));
    if (!BringToForeground(s.Menu())) GTEST_SKIP() << "the menu cannot be brought to the foreground here";
    // The document wait puts the opener's own window back in front at its next poll.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == *opener; }, Millis(5000)));
    ASSERT_TRUE(CloseWindowsTitled("TORVA opener"));
    EXPECT_TRUE(WaitUntil([&] { return s.MenuEnabled(); }));
}

TEST(ActivationE2E, ScriptButtonPassesTheMenuHandle) {
    MenuSession s(ActivationOptions());
    const std::string script = s.Folder().File("job.tvs");
    ASSERT_TRUE(WriteBytes(script, "END:\r\n"));
    ASSERT_TRUE(s.Start(Menu({}, {"CMD1,,OFF,\"Script\",,,,,,,,\"CMD:" + script + " ignored\",0,,"})));
    s.Click(1);
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& r : s.ProbeRecords()) {
            if (r.commandLine.find("|TORVA|") != std::string::npos) return true;
        }
        return false;
    }));
    char hex[16];
    std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(s.Menu())));
    bool found = false;
    for (const auto& r : s.ProbeRecords()) {
        if (r.commandLine == s.Folder().File("Tvscript.exe") + " |TORVA|" + hex + "|" + script) found = true;
    }
    EXPECT_TRUE(found);
}

TEST(ActivationE2E, ScriptEndCommandClosesTheMenuAndRunsItsEndPrograms) {
    if (!FileExists(ProgramPath("Tvscript.exe"))) GTEST_SKIP() << "the script runner is not built";
    SessionOptions options = ActivationOptions();
    options.realSiblings = true;
    MenuSession s(options);
    const std::string script = s.Folder().File("close.tvs");
    ASSERT_TRUE(WriteBytes(script, "CEND:\r\nEND:\r\n"));
    auto lines = Header();
    lines.push_back("[STREND]");
    lines.push_back("END1,\"<" + s.Probe() + "> endprogram\",0");
    lines.push_back("[PAGE1]");
    lines.push_back("CMD1,,OFF,\"Close\",,,,,,,,\"CMD:" + script + "\",3,,");
    ASSERT_TRUE(s.Start(lines));
    s.Click(1);
    EXPECT_TRUE(s.Program().WaitForExit(Millis(20000)).has_value());
    EXPECT_EQ(s.RecordsWithArg("endprogram").size(), 1u);
}

TEST(ActivationE2E, EndButtonRunsTheEndProgramsOnceAndEndsTheMenu) {
    MenuSession s(ActivationOptions());
    auto lines = Header({"[NCTL]"});  // a button's end goes through even where the user cannot close
    lines.push_back("[STREND]");
    lines.push_back("END1,\"<" + s.Probe() + "> endprogram\",0");
    lines.push_back("[PAGE1]");
    lines.push_back("CMD12,,OFF,\"Quit\",,,,,,,,END,,,");
    ASSERT_TRUE(s.Start(lines));
    s.Click(12);
    EXPECT_TRUE(s.Program().WaitForExit(Millis(15000)).has_value());
    ASSERT_TRUE(WaitForChildrenToEnd(s.Program().Id()));
    EXPECT_EQ(s.RecordsWithArg("endprogram").size(), 1u);
}

TEST(ActivationE2E, MissingProgramUnderNoCheckShowsItsBox) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(Menu({"[NCHK]"}, {"CMD1,,OFF,\"Gone\",,,,,,,,\"CMD:C:\\no\\such\\prog.exe\",0,,"})));
    s.Click(1);
    const auto box = WaitForMessageBox(s.Program().Id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "TORVA");
    EXPECT_EQ(box->text, "実行ファイルが存在しません！！\r");
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    AnswerMessageBox(box->hwnd, IDOK);
    EXPECT_TRUE(s.Program().IsRunning());
}

TEST(ActivationE2E, ScreenSaverFromThePerUserValueWithSlashS) {
    const std::string key = "Control Panel\\Desktop";
    const auto old = ReadRegistryString(HKEY_CURRENT_USER, key, "SCRNSAVE.EXE");
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, key, "SCRNSAVE.EXE", s.Probe()));
    const bool started = s.Start(Menu({}, {"CMD1,,OFF,\"Saver\",,,,,,,,SCR,,,"}));
    if (started) {
        s.Click(1);
        EXPECT_TRUE(s.WaitForRecordWithArg("/S"));
        if (!s.RecordsWithArg("/S").empty()) {
            EXPECT_EQ(s.RecordsWithArg("/S").front().commandLine, "\"" + s.Probe() + "\" /S");
        }
    }
    WriteRegistryString(HKEY_CURRENT_USER, key, "SCRNSAVE.EXE", old.value_or(""));
    ASSERT_TRUE(started);
}

struct ConfirmCase {
    const char* command;
    const char* firstLine;
    const char* powerLines;
};

class ConfirmationE2E : public ::testing::TestWithParam<ConfirmCase> {};

TEST_P(ConfirmationE2E, NoDoesNothingAndYesRunsEndProgramsThenTheRequest) {
    const ConfirmCase c = GetParam();
    MenuSession s(ActivationOptions());
    auto lines = Header();
    lines.push_back("[STREND]");
    lines.push_back("END1,\"<" + s.Probe() + "> endprogram\",0");
    lines.push_back("[PAGE1]");
    lines.push_back(std::string("CMD1,,OFF,\"Power\",,,,,,,,") + c.command + ",1,,");
    ASSERT_TRUE(s.Start(lines));

    s.Click(1);
    auto box = WaitForMessageBox(s.Program().Id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "TORVA");
    EXPECT_EQ(box->text, std::string(c.firstLine) + "\r実行しますか？");
    EXPECT_EQ(box->icon, MessageBoxIcon::Warning);
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, IDNO));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box->hwnd); }));
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_TRUE(s.Program().IsRunning());
    EXPECT_EQ(s.PowerLog(), "");
    EXPECT_TRUE(s.RecordsWithArg("endprogram").empty());

    s.Click(1);
    box = WaitForMessageBox(s.Program().Id());
    ASSERT_TRUE(box.has_value());
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, IDYES));
    EXPECT_TRUE(s.Program().WaitForExit(Millis(15000)).has_value());
    EXPECT_EQ(s.RecordsWithArg("endprogram").size(), 1u);
    EXPECT_EQ(s.PowerLog(), c.powerLines);
}

TEST(ActivationE2E, RemoteShutdownsGoToTheNamedComputerWithoutEndingTheMenu) {
    MenuSession s(ActivationOptions());
    auto lines = Header();
    lines.push_back("[PAGE1]");
    lines.push_back("CMD1,,OFF,\"Down\",,,,,,,,\"RSDWN:PC02 本日は終了します\",,,");
    lines.push_back("CMD2,,OFF,\"Reboot\",,,,,,,,\"RREBT:PC03\",1,,");
    ASSERT_TRUE(s.Start(lines));
    s.Click(1);
    ASSERT_TRUE(WaitUntil([&] { return !s.PowerLog().empty(); }));
    s.Click(2);
    const auto box = WaitForMessageBox(s.Program().Id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "ｺﾝﾋﾟｭｰﾀ名：PC03\rのリモートリブートが選択されました。\r実行しますか？");
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, IDYES));
    ASSERT_TRUE(WaitUntil([&] { return s.PowerLog().find("PC03") != std::string::npos; }));
    // Each remote request enables the remote-shutdown privilege of the menu's own token first.
    EXPECT_EQ(s.PowerLog(),
              "AdjustPrivilege name=SeRemoteShutdownPrivilege\r\n"
              "RemoteShutdown computer=PC02 timeout=30 force=1 reboot=0 message=本日は終了します\r\n"
              "AdjustPrivilege name=SeRemoteShutdownPrivilege\r\n"
              "RemoteShutdown computer=PC03 timeout=0 force=1 reboot=1 message=\r\n");
    EXPECT_TRUE(s.Program().IsRunning());
}

INSTANTIATE_TEST_SUITE_P(
    Activation, ConfirmationE2E,
    ::testing::Values(ConfirmCase{"SDWN", "シャットダウンが選択されました。",
                                  "AdjustPrivilege name=SeShutdownPrivilege\r\nExitWindows flags=1\r\n"},
                      ConfirmCase{"LOFF", "ログオフが選択されました。", "ExitWindows flags=0\r\n"},
                      ConfirmCase{"POFF", "パワーオフが選択されました。",
                                  "AdjustPrivilege name=SeShutdownPrivilege\r\nExitWindows flags=8\r\n"},
                      ConfirmCase{"REBT", "リブートが選択されました。",
                                  "AdjustPrivilege name=SeShutdownPrivilege\r\nExitWindows flags=2\r\n"}));

}  // namespace
}  // namespace torva::e2e
