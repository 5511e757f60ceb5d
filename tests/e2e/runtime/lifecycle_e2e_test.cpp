// Start-up and closing of the menu: definition path rules, the fatal reports, the single instance,
// the saved position, start and end programs, [NCTL], the system commands and the tray.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/unique_handle.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

std::vector<std::string> Simple(const std::string& caption, const std::vector<std::string>& options = {},
                                const std::vector<std::string>& extra = {}) {
    std::vector<std::string> lines = {"[VER8.05]"};
    lines.insert(lines.end(), options.begin(), options.end());
    lines.insert(lines.end(), extra.begin(), extra.end());
    lines.insert(lines.end(), {"[PAGE1]", "VARTITLE,\"" + caption + "\",,0", ButtonLine(1, "One")});
    return lines;
}

TEST(Reports, MissingDefinitionShowsTheExactBoxAndEnds) {
    MenuSession s;
    const std::string missing = s.Folder().File("NOPE.TVX");
    ASSERT_TRUE(s.StartWithArguments("\"" + missing + "\"", false));
    const auto box = WaitForMessageBox(s.Program().Id(), Millis(20000));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "TORVA");
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    EXPECT_EQ(box->text, "メニュー定義ファイルが存在しません。\r" + missing + "\rErrorNo = 99 : 0");
    AnswerMessageBox(box->hwnd, IDOK);
    EXPECT_TRUE(s.Program().WaitForExit().has_value());
}

TEST(Reports, RuleFailureShowsTheRuleAndEnds) {
    MenuSession s;
    ASSERT_TRUE(s.WriteDefinition({"[VER8.05]", "[PAGE2]"}));
    ASSERT_TRUE(s.StartWithArguments("\"" + s.DefinitionPath() + "\"", false));
    const auto box = WaitForMessageBox(s.Program().Id(), Millis(20000));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "TORVA");
    EXPECT_EQ(
        box->text,
        "メニュー定義の先頭のページ開始定義は、ページ１でなくてはいけません。\r[PAGE2]\rErrorNo = 2 : 0");
    AnswerMessageBox(box->hwnd, IDOK);
    EXPECT_TRUE(s.Program().WaitForExit().has_value());
    WindowQuery menu;
    menu.processId = s.Program().Id();
    menu.className = "TORVAFM";
    EXPECT_TRUE(FindTopLevelWindows(menu).empty());
}

TEST(CommandLine, NoArgumentUsesTorvaTvxAndABareNameTheProgramFolder) {
    {
        MenuSession s;
        ASSERT_TRUE(WriteAnsiLines(s.Folder().File("TORVA.TVX"), Simple("Default file")));
        ASSERT_TRUE(s.StartWithArguments(""));
        EXPECT_EQ(WindowText(s.Menu()), "Default file");
    }
    {
        MenuSession s;
        ASSERT_TRUE(WriteAnsiLines(s.Folder().File("OTHER.TVX"), Simple("Bare name")));
        ASSERT_TRUE(s.StartWithArguments("OTHER.TVX"));
        EXPECT_EQ(WindowText(s.Menu()), "Bare name");
    }
}

TEST(SingleInstance, SecondStartBringsTheFirstForwardAndEnds) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kInstanceKey, "rgDCHK", "0"));
    MenuSession first;
    ASSERT_TRUE(first.Start(Simple("First menu", {"[DCHK]"})));
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kInstanceKey, "rgDCHK"),
              std::to_string(first.Program().Id()));
    PostMessageW(first.Menu(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(first.Menu()) != FALSE; }));

    MenuSession second;
    ASSERT_TRUE(second.WriteDefinition(Simple("Second menu", {"[DCHK]"})));
    ASSERT_TRUE(second.StartWithArguments("\"" + second.DefinitionPath() + "\"", false));
    EXPECT_TRUE(second.Program().WaitForExit(Millis(20000)).has_value());
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(first.Menu()) == FALSE; })) << "the first menu is restored";
    EXPECT_TRUE(first.Program().IsRunning());

    ASSERT_TRUE(first.CloseAsUser());
    EXPECT_EQ(ReadRegistryString(HKEY_CURRENT_USER, kInstanceKey, "rgDCHK"), "0");
}

TEST(SingleInstance, SecondStartBringsTheFirstOutOfTheTray) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kInstanceKey, "rgDCHK", "0"));
    MenuSession first;
    ASSERT_TRUE(first.Start(Simple("In the tray", {"[DCHK]", "[TSKI]"})));
    PostMessageW(first.Menu(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(first.Menu()) == FALSE; }));

    MenuSession second;
    ASSERT_TRUE(second.WriteDefinition(Simple("Second menu", {"[DCHK]"})));
    ASSERT_TRUE(second.StartWithArguments("\"" + second.DefinitionPath() + "\"", false));
    EXPECT_TRUE(second.Program().WaitForExit(Millis(20000)).has_value());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(first.Menu()) != FALSE; }));
    ASSERT_TRUE(first.CloseAsUser());
}

TEST(SingleInstance, StaleRecordIsIgnored) {
    // A process id that owns no window (or no longer exists) does not stop a start.
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kInstanceKey, "rgDCHK", "4"));
    MenuSession s;
    EXPECT_TRUE(s.Start(Simple("Starts anyway")));
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kInstanceKey, "rgDCHK", "0"));
}

std::wstring SharedIni(const MenuSession& s) {
    return std::wstring(s.Folder().Path().begin(), s.Folder().Path().end()) + L"\\Torva.ini";
}

std::wstring OwnIni() {
    wchar_t local[MAX_PATH] = {};
    GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH);
    return std::wstring(local) + L"\\Torva\\Torva.ini";
}

std::string IniValue(const std::wstring& ini, const char* key) {
    wchar_t buffer[64] = {};
    GetPrivateProfileStringW(L"INIT", std::wstring(key, key + strlen(key)).c_str(), L"", buffer, 64,
                             ini.c_str());
    std::string out;
    for (const wchar_t* p = buffer; *p; ++p) out += static_cast<char>(*p);
    return out;
}

// A program folder the user may not change (installed for all users): the position goes to the user's
// own copy and comes back from it. (A folder in the file's place stands for the refusal, which a
// read-only file does not give a test running with full rights.)
TEST(PositionSave, AUserWhoCannotWriteTheProgramFolderKeepsAnOwnCopy) {
    DeleteFileW(OwnIni().c_str());
    MenuSession s;
    ASSERT_TRUE(CreateDirectoryW(SharedIni(s).c_str(), nullptr));
    ASSERT_TRUE(s.Start(Simple("Own copy", {"[PSAVE]"}, {"[MODE2]"})));
    SetWindowPos(s.Menu(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOnScreen(s.Menu()).left == 200; }));
    ASSERT_TRUE(s.CloseAsUser());
    EXPECT_EQ(IniValue(OwnIni(), "Xpos"), "3000");
    EXPECT_EQ(IniValue(OwnIni(), "Ypos"), "2250");

    ASSERT_TRUE(s.Start(Simple("Own copy", {"[PSAVE]"}, {"[MODE2]"})));
    const RECT r = WindowRectOnScreen(s.Menu());
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 150);
    ASSERT_TRUE(s.CloseAsUser());
    // The other tests of this prefix keep their positions in the program folder.
    EXPECT_TRUE(DeleteFileW(OwnIni().c_str()));
    RemoveDirectoryW(SharedIni(s).c_str());
}

TEST(PositionSave, PositionIsSavedOnCloseAndRestoredOnStart) {
    MenuSession s;
    ASSERT_TRUE(s.Start(Simple("Saved", {"[PSAVE]"}, {"[MODE2]"})));
    SetWindowPos(s.Menu(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(WaitUntil([&] { return WindowRectOnScreen(s.Menu()).left == 120; }));
    ASSERT_TRUE(s.CloseAsUser());
    EXPECT_EQ(IniValue(SharedIni(s), "Xpos"), "1800");
    EXPECT_EQ(IniValue(SharedIni(s), "Ypos"), "1350");

    ASSERT_TRUE(s.Start(Simple("Saved", {"[PSAVE]"}, {"[MODE2]"})));
    const RECT r = WindowRectOnScreen(s.Menu());
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 90);

    // Minimised at close: the old position stays.
    PostMessageW(s.Menu(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(s.Menu()) != FALSE; }));
    ASSERT_TRUE(s.CloseAsUser());
    EXPECT_EQ(IniValue(SharedIni(s), "Xpos"), "1800");

    // Full screen ignores the saved position.
    ASSERT_TRUE(s.Start(Simple("Saved", {"[PSAVE]"}, {"[MODE4]"})));
    EXPECT_TRUE(WaitUntil([&] { return IsZoomed(s.Menu()) != FALSE; }));
}

TEST(NoControl, UserCloseIsRefusedButTheProgramCommandCloses) {
    MenuSession s;
    ASSERT_TRUE(s.Start(
        Simple("Locked", {"[NCTL]"}, {"[STREND]", "END1,\"<" + s.Probe() + "> end-program-ran\",0"})));
    EXPECT_EQ(WindowStyle(s.Menu()) & WS_MINIMIZEBOX, 0);
    PostMessageW(s.Menu(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageW(s.Menu(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(s.Program().WaitForExit(Millis(1500)).has_value());
    EXPECT_TRUE(IsWindowVisible(s.Menu()));
    EXPECT_EQ(s.CountRecordsWithArg("end-program-ran"), 0u);

    PostMessageW(s.Menu(), WM_SYSCOMMAND, 1090, 0);
    EXPECT_TRUE(s.Program().WaitForExit().has_value());
    EXPECT_EQ(s.CountRecordsWithArg("end-program-ran"), 1u);
}

TEST(StartAndEnd, StartProgramIsWaitedForBeforeTheMenuShows) {
    MenuSession s;
    // The first start program shows a window for its own three seconds, then ends.
    ASSERT_TRUE(
        s.WriteDefinition(Simple("After start", {},
                                 {"[STREND]", "STR1,\"<" + s.Probe() + "> --title STARTWAIT --sleep 3000\",1",
                                  "STR2,\"<" + s.Probe() + "> second-start\",0"})));
    ASSERT_TRUE(s.StartWithArguments("\"" + s.DefinitionPath() + "\"", false));
    ASSERT_TRUE(s.WaitForRecordWithArg("STARTWAIT", Millis(20000)));
    uint32_t first = 0;
    for (const auto& r : s.ProbeRecords()) {
        if (std::find(r.args.begin(), r.args.end(), "STARTWAIT") != r.args.end()) first = r.pid;
    }
    win32::UniqueKernelHandle firstProcess(OpenProcess(SYNCHRONIZE, FALSE, first));
    ASSERT_TRUE(firstProcess);
    WindowQuery menu;
    menu.processId = s.Program().Id();
    menu.className = "TORVAFM";
    ASSERT_TRUE(WaitForWindow(menu, Millis(20000)).has_value());
    EXPECT_EQ(WaitForSingleObject(firstProcess.get(), 0), WAIT_OBJECT_0)
        << "the menu shows only once the first start program has ended";
    ASSERT_TRUE(s.WaitForRecordWithArg("second-start"));
    for (const auto& r : s.ProbeRecords()) {
        if (std::find(r.args.begin(), r.args.end(), "second-start") != r.args.end()) {
            EXPECT_NE(r.pid, first);
        }
    }
}

TEST(StartAndEnd, EndProgramRunsAndIsWaitedForOnClose) {
    MenuSession s;
    ASSERT_TRUE(s.Start(Simple(
        "Ending", {}, {"[STREND]", "END1,\"<" + s.Probe() + "> --title ENDWAIT --exit-on-close\",1"})));
    PostMessageW(s.Menu(), WM_SYSCOMMAND, SC_CLOSE, 0);
    WindowQuery endWindow;
    endWindow.caption = "ENDWAIT";
    ASSERT_TRUE(WaitForWindow(endWindow).has_value());
    EXPECT_FALSE(s.Program().WaitForExit(Millis(1500)).has_value()) << "the menu waits for its end program";
    for (HWND w : FindTopLevelWindows(endWindow)) PostMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_TRUE(s.Program().WaitForExit(Millis(15000)).has_value());
}

// A page start program that takes long to start (it never reads input: no window, a long sleep)
// is waited for, but the menu goes on answering meanwhile.
TEST(StartAndEnd, PageStartWaitKeepsTheMenuAnswering) {
    MenuSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[MODE1]", "[PAGE1]", "VARTITLE,\"First\",,0",
                         ButtonLine(1, "Next", "\"PAGE2\""), ButtonLine(2, "Two"), "[PAGE2]",
                         "VARTITLE,\"Second\",,0", "PSTR1,\"<" + s.Probe() + "> --sleep 8000 slow-start\",1",
                         ButtonLine(1, "Back", "\"PAGE1\"")}));
    ASSERT_TRUE(WaitUntil([&] { return s.FocusedButton() == 1; }));
    ClickAt(s.Button(1), POINT{6, 6});
    ASSERT_TRUE(s.WaitForRecordWithArg("slow-start"));
    // Keys still move the focus while page 2 waits for its start program.
    PostKey(s.Button(1), VK_DOWN);
    EXPECT_TRUE(WaitUntil([&] { return s.FocusedButton() == 2; }, Millis(3000)));
    EXPECT_EQ(WindowText(s.Menu()), "First") << "page 2 is drawn only after its start program";
    EXPECT_TRUE(WaitUntil([&] { return WindowText(s.Menu()) == "Second"; }, Millis(20000)));
}

TEST(SystemMenu, VersionDialogLocksTheMenuUntilOk) {
    MenuSession s;
    ASSERT_TRUE(s.Start(Simple("Version")));
    PostMessageW(s.Menu(), WM_SYSCOMMAND, 1020, 0);
    WindowQuery dialog;
    dialog.processId = s.Program().Id();
    dialog.caption = "【バージョン情報】";
    const auto found = WaitForWindow(dialog);
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.Menu()) == FALSE; }));
    const auto ok = FindControl(*found, "Button", std::string("OK"));
    ASSERT_TRUE(ok.has_value());
    ClickButton(ok->hwnd);
    EXPECT_TRUE(WaitForNoWindow(dialog));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.Menu()) != FALSE; }));
}

TEST(SystemMenu, EditorEntryStartsTheEditorAndClosesWithoutEndPrograms) {
    MenuSession s;
    ASSERT_TRUE(CopyFileTo(s.Probe(), s.Folder().File("Tvsetup.exe")));
    ASSERT_TRUE(s.Start(
        Simple("Edit me", {"[NCTL]"}, {"[STREND]", "END1,\"<" + s.Probe() + "> end-after-editor\",0"})));
    PostMessageW(s.Menu(), WM_SYSCOMMAND, 1010, 0);
    EXPECT_TRUE(s.WaitForRecordWithArg(s.DefinitionPath() + "|TORVA"));
    EXPECT_TRUE(s.Program().WaitForExit().has_value()) << "[NCTL] does not hold the editor's close";
    ASSERT_TRUE(WaitForChildrenToEnd(s.Program().Id()));
    EXPECT_EQ(s.CountRecordsWithArg("end-after-editor"), 0u);
}

TEST(Tray, MinimiseHidesIntoTheTrayAndALeftClickShows) {
    MenuSession s;
    ASSERT_TRUE(s.Start(Simple("Tray", {"[TSKI]"})));
    EXPECT_EQ(WindowExStyle(s.Menu()) & WS_EX_APPWINDOW, 0) << "no taskbar button";
    PostMessageW(s.Menu(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(s.Menu()) == FALSE; }));
    EXPECT_FALSE(IsIconic(s.Menu())) << "hidden, not minimised";
    PostMessageW(s.Menu(), WM_SYSCOMMAND, 1100, WM_RBUTTONDOWN);
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_FALSE(IsWindowVisible(s.Menu())) << "a right click does nothing";
    PostMessageW(s.Menu(), WM_SYSCOMMAND, 1100, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(s.Menu()) != FALSE; }));
}

TEST(Tray, WithoutTheOptionMinimiseIsOrdinary) {
    MenuSession s;
    ASSERT_TRUE(s.Start(Simple("No tray")));
    PostMessageW(s.Menu(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(s.Menu()) != FALSE; }));
}

}  // namespace
}  // namespace torva::e2e
