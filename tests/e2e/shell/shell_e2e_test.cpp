// Tvshell.exe driven for real: registration of the file types in the prefix's classes root, and
// documents opened through the shell in their working folder.
#include <gtest/gtest.h>

#include "tests/e2e/harness/harness.h"
#include "tests/probe/probe_log.h"

namespace torva::e2e {
namespace {

constexpr char kOpenFailedText[] = "コマンドの起動に失敗しました。\r\rErrorNo = 4 : 0";

// A private install of the opener: its own folder decides the registered paths and whether the
// editor sits beside it.
class OpenerInstall {
  public:
    explicit OpenerInstall(const std::string& folderPrefix = "tvshell") : folder_(folderPrefix) {
        EXPECT_TRUE(CopyFileTo(ProgramPath("Tvshell.exe"), Opener()));
    }
    std::string Folder() const { return folder_.Path(); }
    std::string Opener() const { return folder_.File("Tvshell.exe"); }
    void InstallEditor() const { ASSERT_TRUE(WriteBytes(folder_.File("TVSETUP.EXE"), "MZ dummy editor")); }

    Process Run(const std::string& arguments, std::map<std::string, std::string> environment = {},
                bool quoted = true) const {
        StartOptions options;
        options.arguments = arguments;
        options.environment = std::move(environment);
        options.quoteProgram = quoted;
        return Process::Start(Opener(), options);
    }
    // Runs and expects a quiet, successful end.
    void RunQuietly(const std::string& arguments, bool quoted = true) const {
        Process p = Run(arguments, {}, quoted);
        ASSERT_TRUE(p.Valid()) << p.StartError();
        const auto code = p.WaitForExit();
        EXPECT_EQ(code, std::optional<DWORD>(0)) << arguments;
    }

  private:
    TempFolder folder_;
};

std::optional<std::string> ClassesValue(const std::string& key, const std::string& name = {}) {
    return ReadRegistryString(HKEY_CLASSES_ROOT, key, name);
}

// Every key the opener writes starts and ends each test absent.
class OpenerRegistration : public testing::Test {
  protected:
    ScopedRegistryCleanup tvx{HKEY_CLASSES_ROOT, ".tvx"};
    ScopedRegistryCleanup tvs{HKEY_CLASSES_ROOT, ".tvs"};
    ScopedRegistryCleanup tvxType{HKEY_CLASSES_ROOT, "tvx_auto_file"};
    ScopedRegistryCleanup tvsType{HKEY_CLASSES_ROOT, "tvs_auto_file"};
    OpenerInstall install;
};

TEST_F(OpenerRegistration, WritesBothFileTypesExactlyAsTabled) {
    install.RunQuietly("<LinkTVX>");
    const std::string own = install.Folder();
    struct Expected {
        std::string key, value;
    };
    const Expected table[] = {
        {".tvx", "tvx_auto_file"},
        {"tvx_auto_file", "TORVA command definition"},
        {"tvx_auto_file\\DefaultIcon", own + "\\Torva.exe,1"},
        {"tvx_auto_file\\shell\\open\\command", "\"" + own + "\\Torva.exe\" \"%1\""},
        {".tvs", "tvs_auto_file"},
        {"tvs_auto_file", "TORVA script file"},
        {"tvs_auto_file\\DefaultIcon", own + "\\Torva.exe,14"},
        {"tvs_auto_file\\shell\\open\\command", "\"" + own + "\\Tvscript.exe\" \"%1\""},
    };
    for (const auto& e : table) EXPECT_EQ(ClassesValue(e.key), std::optional<std::string>(e.value)) << e.key;
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "tvx_auto_file\\shell\\edit")) << "no editor installed";
    EXPECT_FALSE(ClassesValue("tvx_auto_file\\shell").has_value());
}

// The runtime writes the opener's path unquoted, also when the program folder holds blanks.
TEST_F(OpenerRegistration, UnquotedPathWithBlanksStillReadsTheMarker) {
    OpenerInstall spaced("tv shell");
    ASSERT_NE(spaced.Folder().find(' '), std::string::npos);
    spaced.RunQuietly("<LinkTVX>", false);
    EXPECT_EQ(ClassesValue("tvx_auto_file\\DefaultIcon"),
              std::optional<std::string>(spaced.Folder() + "\\Torva.exe,1"));
}

TEST_F(OpenerRegistration, QuotedMarkerRegistersToo) {
    install.RunQuietly("\"<LinkTVX>\"");
    EXPECT_EQ(ClassesValue(".tvs"), std::optional<std::string>("tvs_auto_file"));
}

TEST_F(OpenerRegistration, LeavesAnExistingTvxUntouched) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, ".tvx", "", "someone_else"));
    ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, ".tvx", "Content Type", "text/plain"));
    install.RunQuietly("<LinkTVX>");
    EXPECT_EQ(ClassesValue(".tvx"), std::optional<std::string>("someone_else"));
    EXPECT_EQ(ClassesValue(".tvx", "Content Type"), std::optional<std::string>("text/plain"));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "tvx_auto_file"));
    EXPECT_EQ(ClassesValue("tvs_auto_file\\shell\\open\\command"),
              std::optional<std::string>("\"" + install.Folder() + "\\Tvscript.exe\" \"%1\""));
}

TEST_F(OpenerRegistration, AddsTheEditVerbOnceWhenTheEditorAppears) {
    install.RunQuietly("<LinkTVX>");
    ASSERT_FALSE(RegistryKeyExists(HKEY_CLASSES_ROOT, "tvx_auto_file\\shell\\edit"));

    install.InstallEditor();
    install.RunQuietly("<LinkTVX>");
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\edit\\command"),
              std::optional<std::string>("\"" + install.Folder() + "\\Tvsetup.exe\" \"%1\""));
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\edit"), std::optional<std::string>("メニュー編集(&E)"));
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell"), std::optional<std::string>("open"));
    // The earlier registration stays as it was.
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\open\\command"),
              std::optional<std::string>("\"" + install.Folder() + "\\Torva.exe\" \"%1\""));

    // Present once, never rewritten: a changed verb survives later starts.
    ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, "tvx_auto_file\\shell\\edit\\command", "", "custom"));
    ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, "tvx_auto_file\\shell\\edit", "", "mine"));
    install.RunQuietly("<LinkTVX>");
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\edit\\command"), std::optional<std::string>("custom"));
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\edit"), std::optional<std::string>("mine"));
}

// The runtime, the editor and a script runner may each start the opener at the same moment.
TEST_F(OpenerRegistration, ConcurrentStartsLeaveOneCompleteRegistration) {
    install.InstallEditor();
    std::vector<Process> openers;
    for (int i = 0; i < 4; ++i) openers.push_back(install.Run("<LinkTVX>"));
    for (auto& p : openers) {
        ASSERT_TRUE(p.Valid());
        EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0));
    }
    const std::string own = install.Folder();
    EXPECT_EQ(ClassesValue(".tvx"), std::optional<std::string>("tvx_auto_file"));
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\open\\command"),
              std::optional<std::string>("\"" + own + "\\Torva.exe\" \"%1\""));
    EXPECT_EQ(ClassesValue("tvs_auto_file\\DefaultIcon"), std::optional<std::string>(own + "\\Torva.exe,14"));
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell\\edit\\command"),
              std::optional<std::string>("\"" + own + "\\Tvsetup.exe\" \"%1\""));
    EXPECT_EQ(ClassesValue("tvx_auto_file\\shell"), std::optional<std::string>("open"));
}

// Opening documents: a private type associated with the probe, which records where it was started.
class OpenerDocuments : public testing::Test {
  protected:
    static constexpr char kType[] = "TorvaE2eProbeDocument";
    ScopedRegistryCleanup extension{HKEY_CLASSES_ROOT, ".tvprobe"};
    ScopedRegistryCleanup type{HKEY_CLASSES_ROOT, kType};
    OpenerInstall install;
    TempFolder work{"tvshell-work"};
    std::string log = work.File("probe.log");

    void SetUp() override {
        ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, ".tvprobe", "", kType));
        ASSERT_TRUE(WriteRegistryString(HKEY_CLASSES_ROOT, std::string(kType) + "\\shell\\open\\command", "",
                                        "\"" + ProgramPath("TvProbe.exe") + "\" \"%1\""));
    }

    // Runs the opener; the probe it causes to start inherits the environment and ends at once.
    std::vector<probe::ProbeRecord> Open(const std::string& arguments) {
        Process p = install.Run(arguments, {{"TORVA_PROBE_LOG", log}, {"TORVA_PROBE_OPTIONS", "--exit 0"}});
        EXPECT_TRUE(p.Valid());
        EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0)) << arguments;
        std::vector<probe::ProbeRecord> records;
        WaitUntil([&] { return !(records = ReadProbeRecords(log)).empty(); });
        return records;
    }
};

TEST_F(OpenerDocuments, OpensInTheFolderGivenBeforeTheDocument) {
    const std::string document = work.File("report.tvprobe");
    ASSERT_TRUE(WriteBytes(document, "data"));
    const auto records = Open("<" + work.Path() + ">  " + document + " ");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].workFolder, work.Path());
    ASSERT_FALSE(records[0].args.empty());
    EXPECT_EQ(records[0].args.back(), document);
}

TEST_F(OpenerDocuments, EmptyFolderPairOpensInTheOwnFolder) {
    const std::string document = work.File("report.tvprobe");
    ASSERT_TRUE(WriteBytes(document, "data"));
    const auto records = Open("<>" + document);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].workFolder, install.Folder());
}

TEST_F(OpenerDocuments, BareDocumentOpensInTheOwnFolder) {
    const std::string document = work.File("bare.tvprobe");
    ASSERT_TRUE(WriteBytes(document, "data"));
    const auto records = Open("\"" + document + "\"");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].workFolder, install.Folder());
    EXPECT_EQ(records[0].args.back(), document);
}

// Each failure shows the one "TORVA" box; OK ends the opener with exit code 1.
class OpenerFailure : public testing::TestWithParam<const char*> {};

TEST_P(OpenerFailure, ShowsTheTorvaBoxWithStepCodeFour) {
    TempFolder work("tvshell-fail");
    OpenerInstall install;
    std::string arguments = GetParam();
    const auto at = arguments.find("%W");
    if (at != std::string::npos) arguments.replace(at, 2, work.Path());
    Process p = install.Run(arguments);
    ASSERT_TRUE(p.Valid());
    const auto box = WaitForMessageBox(p.Id());
    ASSERT_TRUE(box.has_value()) << arguments;
    EXPECT_EQ(box->title, "TORVA");
    EXPECT_EQ(box->text, kOpenFailedText);
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(p.IsRunning()) << "the opener waits for the box to be answered";
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, IDOK));
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(1));
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenerFailure,
                         testing::Values("<%W>missing-document.txt",  // no such file
                                         "%W\\missing-document.txt",  // the same, bare
                                         "<linktvx>",                 // not the marker: empty document
                                         "",                          // nothing to open
                                         "<%W>  "));                  // blanks only

TEST(OpenerTypeWithoutAssociation, ShowsTheBoxToo) {
    TempFolder work("tvshell-noassoc");
    const std::string document = work.File("data.tvnoassoc");
    ASSERT_TRUE(WriteBytes(document, "x"));
    ScopedRegistryCleanup clean(HKEY_CLASSES_ROOT, ".tvnoassoc");
    OpenerInstall install;
    Process p = install.Run("<" + work.Path() + ">" + document);
    const auto box = WaitForMessageBox(p.Id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, kOpenFailedText);
    AnswerMessageBox(box->hwnd, IDOK);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(1));
}

}  // namespace
}  // namespace torva::e2e
