// Tvscript.exe run for real: start-up, program and document lines, exit-code branches and the
// error boxes, each box read and answered.
#include <gtest/gtest.h>

#include "common/utf8.h"
#include "platform/win32/wide.h"
#include "tests/e2e/script/script_e2e_fixture.h"

namespace torva::e2e {
namespace {

WindowQuery SampleWindow() {
    WindowQuery query;
    query.caption = "Sample for Tvscript Running";
    return query;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

TEST_F(ScriptE2eTest, EmptyCommandLineEndsAtOnceStartingNothing) {
    for (const char* arguments : {"", "\"\"", "|TORVA|00000000|"}) {
        Process runner = StartRunner(arguments);
        EXPECT_EQ(Finish(runner), std::optional<DWORD>(0)) << arguments;
        EXPECT_TRUE(FindMessageBoxes(runner.Id()).empty());
    }
    // Not even the document opener was started.
    EXPECT_FALSE(FileExists(probeLog_));
}

TEST_F(ScriptE2eTest, StartsTheOpenerAndReportsAMissingScript) {
    Process runner = StartRunner("NOSUCH.TVS");
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "ＴＯＲＶＡスクリプトファイルが存在しません。\r" + folder_.File("NOSUCH.TVS") +
                             "\rErrorNo = 99:0");
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(99));

    // The opener is not waited for: its record may come a moment after the runner's end.
    ASSERT_TRUE(WaitUntil([&] { return ProbeRecords().size() == 1; }));
    const auto records = ProbeRecords();
    EXPECT_EQ(records[0].commandLine, Quoted(folder_.File("Tvshell.exe")) + " <LinkTVX>");
}

TEST_F(ScriptE2eTest, RealOpenerRegistersTheAssociationsAtStart) {
    // The installed runner beside the real document opener, as the menu starts it.
    ScopedRegistryCleanup tvs(HKEY_CLASSES_ROOT, ".tvs");
    ScopedRegistryCleanup tvsType(HKEY_CLASSES_ROOT, "tvs_auto_file");
    ScopedRegistryCleanup tvx(HKEY_CLASSES_ROOT, ".tvx");
    ScopedRegistryCleanup tvxType(HKEY_CLASSES_ROOT, "tvx_auto_file");
    const std::string script = WriteScript("REAL.TVS", {"MSG: real"});
    StartOptions options;
    options.arguments = Quoted("|TORVA|00000000|" + script);
    options.environment = {{"TORVA_POWER_LOG", powerLog_}};
    Process runner = Process::Start(ProgramPath("Tvscript.exe"), options);
    ASSERT_TRUE(runner.Valid());
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "REAL");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([] { return RegistryKeyExists(HKEY_CLASSES_ROOT, ".tvs"); }));
    EXPECT_EQ(ReadRegistryString(HKEY_CLASSES_ROOT, ".tvs"), std::optional<std::string>("tvs_auto_file"));
}

TEST_F(ScriptE2eTest, UnknownCommandShowsItsBoxWordForWord) {
    const std::string script = WriteScript("PAUSE.TVS", {"* not a command:", "PAUSE: 5", "MSG: NEVER"});
    Process runner = StartRunner(Quoted(script));
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "許されないスクリプトコマンドが指定されています。\rPAUSE: 5\rErrorNo = 1:0");
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(1));
}

TEST_F(ScriptE2eTest, SampleScriptBranchesOnTheSampleProgramsEnd) {
    Install("SMPTVS.exe");
    Install("SMPTVS.TVS");  // the sample script as installed beside the programs
    struct Case {
        const char* button;
        const char* shown;
    };
    for (const Case& c : {Case{"正常終了", "OK"}, Case{"異常終了", "NG"}}) {
        SCOPED_TRACE(c.button);
        Process runner = StartRunner("SMPTVS.TVS");  // relative: the runner's own folder
        const auto window = WaitForWindow(SampleWindow());
        ASSERT_TRUE(window);
        const auto button = FindControl(*window, "Button", std::string(c.button));
        ASSERT_TRUE(button);
        ClickButton(button->hwnd);
        const auto box = Answer(runner, IDOK);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, c.shown);
        EXPECT_EQ(box->icon, MessageBoxIcon::Information);
        EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    }
}

TEST_F(ScriptE2eTest, WaitBranchesOnTheProbesExitCode) {
    const std::string script = WriteScript("WAIT.TVS", {"wait: tvprobe.exe first second", "CODE<>7:OTHER",
                                                        "MSG: SEVEN", "END:", ":OTHER", "MSG: not seven"});
    struct Case {
        const char* options;
        const char* shown;
    };
    for (const Case& c :
         {Case{"--exit 7", "SEVEN"}, Case{"--exit 0", "NOT SEVEN"}, Case{"--exit 300", "NOT SEVEN"}}) {
        SCOPED_TRACE(c.options);
        Process runner = StartRunner(Quoted(script), c.options);
        const auto box = Answer(runner, IDOK);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text, c.shown);
        EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    }
    const auto probes = ScriptProbes();
    ASSERT_EQ(probes.size(), 3u);
    // The program path in double quotes, one blank, the parameters, as the line had them.
    EXPECT_EQ(probes[0].commandLine, Quoted(folder_.File("TVPROBE.EXE")) + " FIRST SECOND");
}

TEST_F(ScriptE2eTest, NowaitGoesOnWhileTheProgramRuns) {
    const std::string script =
        WriteScript("NOWAIT.TVS", {"NOWAIT: \"" + folder_.File("TvProbe.exe") + "\"", "CODE<>0:BAD",
                                   "MSG: AT ONCE", "END:", ":BAD", "MSG: BAD"});
    Process runner = StartRunner(Quoted(script), "--sleep 60000 --exit 5");
    const auto box = WaitForMessageBox(runner.Id());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "AT ONCE");
    // The box is up while the program it did not wait for is still running.
    // The probe writes its record as it starts, which may be just after the box came up.
    ASSERT_TRUE(WaitUntil([&] { return ScriptProbes().size() == 1; }));
    const auto probes = ScriptProbes();
    win32::UniqueKernelHandle probe(OpenProcess(SYNCHRONIZE, FALSE, probes[0].pid));
    ASSERT_TRUE(probe);
    EXPECT_EQ(WaitForSingleObject(probe.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    AnswerMessageBox(box->hwnd, IDOK);
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
}

TEST_F(ScriptE2eTest, DocumentOpensThroughTheShellAndTheScriptGoesOn) {
    // A document type of our own, opened by the probe.
    const std::string classPath = "TorvaScriptE2eDoc";
    ScopedRegistryCleanup typeKey(HKEY_CLASSES_ROOT, ".tvse2e");
    ScopedRegistryCleanup classKey(HKEY_CLASSES_ROOT, classPath);
    ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, ".tvse2e", "", "TorvaScriptE2eDoc"));
    ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, classPath + "\\shell\\open\\command", "",
                                    Quoted(folder_.File("TvProbe.exe")) + " \"%1\""));
    ASSERT_TRUE(WriteBytes(folder_.File("REPORT.TVSE2E"), "data"));

    const std::string script = WriteScript("DOC.TVS", {"WAIT: report.tvse2e /ignored", "CODE<>0:BAD",
                                                       "MSG: OPENED", "END:", ":BAD", "MSG: BAD"});
    Process runner = StartRunner(Quoted(script), "--sleep 60000 --exit 4");
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "OPENED");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));

    ASSERT_TRUE(WaitUntil([&] { return !ScriptProbes().empty(); }));
    const auto probe = ScriptProbes().front();
    ASSERT_FALSE(probe.args.empty());
    EXPECT_EQ(UpperLetters(probe.args.back()), UpperLetters(folder_.File("REPORT.TVSE2E")));
    EXPECT_EQ(probe.commandLine.find("/IGNORED"), std::string::npos);
    // The runner's folder is the document's working folder.
    EXPECT_EQ(UpperLetters(probe.workFolder), UpperLetters(folder_.Path()));
}

// A program copied into a system folder for one test, removed afterwards.
struct ProgramInFolder {
    std::string path;
    ProgramInFolder(UINT (*folderQuery)(LPWSTR, UINT), const std::string& name) {
        wchar_t folder[MAX_PATH] = {};
        folderQuery(folder, MAX_PATH);
        path = win32::Narrow(folder) + "\\" + name;
        CopyFileTo(ProgramPath("TvProbe.exe"), path);
    }
    ~ProgramInFolder() { DeleteFileW(win32::Wide(path).c_str()); }
};

TEST_F(ScriptE2eTest, ProgramsAreFoundInTheWindowsAndSystemFolders) {
    const ProgramInFolder inWindows(GetWindowsDirectoryW, "TVSE2E_WIN.EXE");
    const ProgramInFolder inSystem(GetSystemDirectoryW, "TVSE2E_SYS.EXE");
    ASSERT_TRUE(FileExists(inWindows.path) && FileExists(inSystem.path));
    const std::string script =
        WriteScript("FOLDERS.TVS", {"WAIT: tvse2e_win.exe", "CODE<>3:BAD", "WAIT: tvse2e_sys.exe",
                                    "CODE<>3:BAD", "MSG: BOTH", "END:", ":BAD", "MSG: BAD"});
    Process runner = StartRunner(Quoted(script), "--exit 3");
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "BOTH");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    const auto probes = ScriptProbes();
    ASSERT_EQ(probes.size(), 2u);
    EXPECT_EQ(UpperLetters(probes[0].commandLine), UpperLetters(Quoted(inWindows.path) + " "));
    EXPECT_EQ(UpperLetters(probes[1].commandLine), UpperLetters(Quoted(inSystem.path) + " "));
}

TEST_F(ScriptE2eTest, MissingProgramIsError2) {
    const std::string script = WriteScript("MISSING.TVS", {"WAIT: notepad", "MSG: NEVER"});
    Process runner = StartRunner(Quoted(script));
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "存在しないコマンドファイル名が指定されています。\rNOTEPAD\rErrorNo = 2:0");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(2));
}

TEST_F(ScriptE2eTest, QuestionBoxesDecideWhetherTheScriptGoesOn) {
    const std::string script = WriteScript("ASK.TVS", {"MSGB: 続けますか", "MSGA: stop", "MSG: END REACHED"});
    Process runner = StartRunner(Quoted(script));
    auto box = Answer(runner, IDYES);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "続けますか\r処理を継続しますか？");
    EXPECT_EQ(box->icon, MessageBoxIcon::Question);
    EXPECT_EQ(box->buttons, (std::vector<int>{IDYES, IDNO}));
    box = Answer(runner, IDYES);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "STOP\r処理を中止しますか？");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace torva::e2e
