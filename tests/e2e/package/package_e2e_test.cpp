// The installer end to end, in a Wine prefix of its own: silent install, what lands where, the
// installed menu starting, upgrade and uninstall around the administrator's TORVA.TVX, and MENUFILE.
//
// Arguments after GoogleTest's own: --msi=PATH --next-msi=PATH (the same one patch version up)
// --rebuilt-msi=PATH (a rebuild of the first: same version, another product code) --manifest=PATH (the files
// the packages hold, one relative path a line).
#include <gtest/gtest.h>
#include <shlobj.h>

#include <fstream>
#include <map>

#include "common/cp932.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "shell/file_associations.h"
#include "tests/e2e/harness/harness.h"
#include "tests/e2e/package/installer.h"

namespace torva::e2e {
namespace {

struct Packages {
    std::string msi;
    std::string nextMsi;
    std::string rebuiltMsi;
    std::vector<std::string> manifest;  // "help/index.html" style
} packages;

constexpr const char* kShippedPrograms[] = {"Torva.exe",  "Tvsetup.exe", "Tvscript.exe", "Tvshell.exe",
                                            "Tvrmsg.exe", "SMPTVS.exe",  "Tvtool.exe"};
// The registration keys of both file types, whoever writes them.
constexpr const char* kRegistrationKeys[] = {".tvx",
                                             "tvx_auto_file",
                                             "tvx_auto_file\\DefaultIcon",
                                             "tvx_auto_file\\shell",
                                             "tvx_auto_file\\shell\\open",
                                             "tvx_auto_file\\shell\\open\\command",
                                             "tvx_auto_file\\shell\\edit",
                                             "tvx_auto_file\\shell\\edit\\command",
                                             ".tvs",
                                             "tvs_auto_file",
                                             "tvs_auto_file\\DefaultIcon",
                                             "tvs_auto_file\\shell",
                                             "tvs_auto_file\\shell\\open",
                                             "tvs_auto_file\\shell\\open\\command"};
constexpr const char* kMenuShortcut = "Torva メニュー.lnk";
constexpr const char* kEditorShortcut = "Torva メニュー編集.lnk";

bool Packaged(const std::string& file) {
    return std::find(packages.manifest.begin(), packages.manifest.end(), file) != packages.manifest.end();
}

std::string WindowsPath(std::string relative) {
    std::replace(relative.begin(), relative.end(), '/', '\\');
    return relative;
}

// The default value of every registration key; "-" for a key that does not exist.
std::map<std::string, std::string> Registration() {
    std::map<std::string, std::string> values;
    for (const char* key : kRegistrationKeys) {
        if (!RegistryKeyExists(HKEY_CLASSES_ROOT, key))
            values[key] = "-";
        else
            values[key] = ReadRegistryString(HKEY_CLASSES_ROOT, key).value_or("");
    }
    return values;
}

// What Tvshell writes for programs in the folder (keys it leaves alone are absent or empty).
std::map<std::string, std::string> TvshellRegistration(const std::string& folder, bool withEditor) {
    std::map<std::string, std::string> values;
    for (const char* key : kRegistrationKeys) values[key] = "-";
    for (const auto& type : shell::FileTypeAssociations(folder)) {
        values[type.extension] = type.fileType;
        values[type.fileType] = type.description;
        values[type.fileType + "\\DefaultIcon"] = type.icon;
        values[type.fileType + "\\shell"] = "";
        values[type.fileType + "\\shell\\open"] = "";
        values[type.fileType + "\\shell\\open\\command"] = type.openCommand;
    }
    if (withEditor) {
        const auto verb = shell::DefinitionEditVerb(folder);
        values[verb.fileType + "\\shell"] = verb.defaultVerb;
        values[verb.fileType + "\\shell\\edit"] = verb.label;
        values[verb.fileType + "\\shell\\edit\\command"] = verb.command;
    }
    return values;
}

class Installer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(packages.msi.empty()) << "run with --msi=, --next-msi= and --manifest=";
        upgradeCode_ = PackageProperty(packages.msi, "UpgradeCode");
        version_ = PackageProperty(packages.msi, "ProductVersion");
        nextVersion_ = PackageProperty(packages.nextMsi, "ProductVersion");
        ASSERT_FALSE(upgradeCode_.empty());
        ASSERT_EQ(PackageProperty(packages.nextMsi, "UpgradeCode"), upgradeCode_);
        ASSERT_NE(version_, nextVersion_);
        RemoveEverything();
    }
    void TearDown() override { RemoveEverything(); }

    // Each test starts from a machine without the product and without a program folder.
    void RemoveEverything() {
        for (const auto& product : RelatedProducts(upgradeCode_)) {
            const auto run = RunMsiexec("/x " + product.productCode + " /qn", Log("cleanup"));
            EXPECT_EQ(run.exitCode, std::optional<DWORD>(0)) << "removing " << product.productCode;
        }
        RemoveTree(ProgramFolder());
    }

    std::string Log(const std::string& name) {
        return scratch_.File(name + std::to_string(++runs_) + ".log");
    }
    MsiexecRun Install(const std::string& msi, const std::string& properties = {}) {
        return RunMsiexec("/i \"" + msi + "\" /qn" + (properties.empty() ? "" : " " + properties),
                          Log("install"));
    }
    MsiexecRun Uninstall(const std::string& msi) {
        return RunMsiexec("/x \"" + msi + "\" /qn", Log("uninstall"));
    }
    void InstallOrFail(const std::string& msi, const std::string& properties = {}) {
        const MsiexecRun run = Install(msi, properties);
        ASSERT_EQ(run.exitCode, std::optional<DWORD>(0))
            << run.log.substr(run.log.size() > 6000 ? run.log.size() - 6000 : 0);
    }

    static std::string ProgramFolder() { return ShellFolder(CSIDL_PROGRAM_FILES) + "\\Torva"; }
    static std::string Installed(const std::string& relative) {
        return ProgramFolder() + "\\" + WindowsPath(relative);
    }
    static std::string SampleMenu() { return ReadBytes(ProgramPath("TORVA.TVX")).value_or(""); }
    // The Start menu folder holding the shortcuts: the machine's, or the user's where the
    // installer resolves the programs folder per user (Wine does).
    static std::vector<std::string> StartMenuFolders() {
        return {ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\Torva", ShellFolder(CSIDL_PROGRAMS) + "\\Torva"};
    }
    static std::optional<std::string> FindShortcut(const std::string& name) {
        for (const auto& folder : StartMenuFolders())
            if (FileExists(folder + "\\" + name)) return folder + "\\" + name;
        return std::nullopt;
    }
    std::string WriteScratch(const std::string& name, const std::string& bytes) {
        const std::string path = scratch_.File(name);
        EXPECT_TRUE(WriteBytes(path, bytes));
        return path;
    }

    std::string upgradeCode_;
    std::string version_;
    std::string nextVersion_;
    TempFolder scratch_{"package"};
    int runs_ = 0;
};

TEST_F(Installer, PackagesEveryProgramThisBuildMade) {
    for (const char* program : kShippedPrograms)
        EXPECT_EQ(Packaged(program), FileExists(ProgramPath(program))) << program;
    for (const char* file : {"SMPTVS.TVS", "TORVA.TVX", "TORVABG.BMP", "torva-definition.schema.json"})
        EXPECT_TRUE(Packaged(file)) << file;
}

TEST_F(Installer, SilentInstallPutsFilesShortcutsAndFileTypesInPlace) {
    InstallOrFail(packages.msi);
    for (const auto& file : packages.manifest) {
        const auto installed = ReadBytes(Installed(file));
        ASSERT_TRUE(installed.has_value()) << file;
        // The build's program folder holds every packaged file, the samples and help pages included.
        EXPECT_EQ(installed, ReadBytes(ProgramPath(WindowsPath(file)))) << file << " is not the built file";
    }
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), SampleMenu());

    const auto menuShortcut = FindShortcut(kMenuShortcut);
    ASSERT_TRUE(menuShortcut.has_value());
    EXPECT_EQ(ShortcutTarget(*menuShortcut), Installed("Torva.exe"));
    const auto editorShortcut = FindShortcut(kEditorShortcut);
    EXPECT_EQ(editorShortcut.has_value(), Packaged("Tvsetup.exe"));
    if (editorShortcut) {
        EXPECT_EQ(ShortcutTarget(*editorShortcut), Installed("Tvsetup.exe"));
    }

    const auto expected = TvshellRegistration(ProgramFolder(), Packaged("Tvsetup.exe"));
    EXPECT_EQ(Registration(), expected);
    // The opener started by every program finds its registration made and changes nothing.
    Process opener = Process::Start(Installed("Tvshell.exe"), StartOptions().Args("<LinkTVX>"));
    ASSERT_TRUE(opener.Valid());
    EXPECT_EQ(opener.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_EQ(Registration(), expected);

    // One version everywhere: the product, every program's version resource and Tvtool.
    const auto products = RelatedProducts(upgradeCode_);
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0].version, version_);
    for (const auto& file : packages.manifest) {
        if (file.ends_with(".exe")) {
            EXPECT_EQ(FileVersion(Installed(file)), version_ + ".0") << file;
        }
    }
    const ConsoleRun tool = RunConsole(Installed("Tvtool.exe"), "--version", scratch_.File("version.txt"));
    EXPECT_EQ(tool.exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(tool.out, "Tvtool " + version_ + "\n");
}

TEST_F(Installer, InstalledMenuStartsOnTheSampleMenu) {
    InstallOrFail(packages.msi);
    Process menu = Process::Start(Installed("Torva.exe"), StartOptions().InFolder(ProgramFolder()));
    ASSERT_TRUE(menu.Valid()) << menu.StartError();
    const auto window = WaitForWindow(WindowQuery().OfProcess(menu.Id()).OfClass("TORVAFM"), Millis(30000));
    ASSERT_TRUE(window.has_value()) << "no menu window";
    EXPECT_EQ(WindowText(*window), "Torva 見本メニュー");
    EXPECT_TRUE(FindMessageBoxes(menu.Id()).empty()) << "the menu reported an error";
    PostMessageW(*window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(menu.WaitForExit(Millis(15000)).has_value());
}

TEST_F(Installer, OpeningADefinitionStartsTheInstalledMenuOnIt) {
    InstallOrFail(packages.msi);
    // The registered command runs a program below "Program Files", whose path holds a blank.
    const std::wstring definition = win32::Wide(WriteScratch("OFFICE.TVX", SampleMenu()));
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_NOCLOSEPROCESS;
    request.lpFile = definition.c_str();
    request.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExW(&request)) << GetLastError();
    ASSERT_NE(request.hProcess, nullptr);
    win32::UniqueKernelHandle menu(request.hProcess);
    wchar_t image[MAX_PATH];
    DWORD length = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameW(menu.get(), 0, image, &length));
    EXPECT_EQ(win32::Narrow(std::wstring(image, length)), Installed("Torva.exe"));
    const auto window =
        WaitForWindow(WindowQuery().OfProcess(GetProcessId(menu.get())).OfClass("TORVAFM"), Millis(30000));
    ASSERT_TRUE(window.has_value()) << "no menu window";
    EXPECT_EQ(WindowText(*window), "Torva 見本メニュー");
    PostMessageW(*window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(menu.get(), 15000), WAIT_OBJECT_0);
}

TEST_F(Installer, UninstallRemovesEverythingButTheMenu) {
    InstallOrFail(packages.msi);
    const MsiexecRun removal = Uninstall(packages.msi);
    ASSERT_EQ(removal.exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(FilesBelow(ProgramFolder()), (std::vector<std::string>{"TORVA.TVX", "TORVABG.BMP"}));
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), SampleMenu());
    for (const auto& folder : StartMenuFolders()) EXPECT_FALSE(FileExists(folder)) << folder;
    for (const auto& [key, value] : Registration()) EXPECT_EQ(value, "-") << key;
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, "Software\\Torva"));
    EXPECT_TRUE(RelatedProducts(upgradeCode_).empty());
}

TEST_F(Installer, UpgradeAndUninstallKeepTheAdministratorsMenu) {
    InstallOrFail(packages.msi);
    const std::string menu = Utf8ToCp932("*,この机のメニュー\r\n") + SampleMenu();
    ASSERT_TRUE(WriteBytes(Installed("TORVA.TVX"), menu));

    InstallOrFail(packages.nextMsi);
    const auto products = RelatedProducts(upgradeCode_);
    ASSERT_EQ(products.size(), 1u) << "the old version was not replaced";
    EXPECT_EQ(products[0].version, nextVersion_);
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), menu);
    for (const auto& file : packages.manifest) EXPECT_TRUE(FileExists(Installed(file))) << file;

    ASSERT_EQ(Uninstall(packages.nextMsi).exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), menu);

    // A later fresh install finds the menu and leaves it too.
    InstallOrFail(packages.msi);
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), menu);
}

TEST_F(Installer, AnOlderVersionIsRefusedAndARebuildReplacesTheSameVersion) {
    InstallOrFail(packages.nextMsi);
    const MsiexecRun older = Install(packages.msi);
    EXPECT_EQ(older.exitCode, std::optional<DWORD>(ERROR_INSTALL_FAILURE));
    auto products = RelatedProducts(upgradeCode_);
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0].version, nextVersion_);
    ASSERT_EQ(Uninstall(packages.nextMsi).exitCode, std::optional<DWORD>(0));

    InstallOrFail(packages.msi);
    InstallOrFail(packages.rebuiltMsi);
    products = RelatedProducts(upgradeCode_);
    ASSERT_EQ(products.size(), 1u) << "the rebuild was installed beside the first build";
    EXPECT_EQ(products[0].productCode, PackageProperty(packages.rebuiltMsi, "ProductCode"));
    EXPECT_EQ(products[0].version, version_);
}

// The sample program by a bare name: only the installed program folder resolves it.
std::string DeployedMenu() {
    return Utf8ToCp932(
        "*,配布メニュー\r\n[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"見本\",,,,,,,,\"CMD:SMPTVS.exe\",0,,\r\n");
}

TEST_F(Installer, MenuFileBecomesTheMenuOfAFreshInstall) {
    const std::string deployed = WriteScratch("deployed.tvx", DeployedMenu());
    const MsiexecRun run = Install(packages.msi, "MENUFILE=\"" + deployed + "\"");
    ASSERT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.log;
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), DeployedMenu());
    EXPECT_FALSE(FileExists(Installed("TORVABG.BMP"))) << "the sample menu's picture came along";
    EXPECT_TRUE(FileExists(Installed("Torva.exe")));

    ASSERT_EQ(Uninstall(packages.msi).exitCode, std::optional<DWORD>(0));
    EXPECT_EQ(FilesBelow(ProgramFolder()), std::vector<std::string>{"TORVA.TVX"});
}

TEST_F(Installer, MenuFileFailingTheRulesAbortsTheInstallWithTheRuleInTheLog) {
    const std::string broken = WriteScratch("broken.tvx", "[VER8.05]\r\nFOO\r\n");
    const MsiexecRun run = Install(packages.msi, "MENUFILE=\"" + broken + "\"");
    EXPECT_EQ(run.exitCode, std::optional<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_NE(run.log.find("fails the menu's rules"), std::string::npos) << run.log;
    EXPECT_NE(run.log.find("ErrorNo = 1 : "), std::string::npos);
    EXPECT_NE(run.log.find(" : FOO"), std::string::npos);
    EXPECT_TRUE(RelatedProducts(upgradeCode_).empty());
    EXPECT_TRUE(FilesBelow(ProgramFolder()).empty()) << "the failed install left files behind";

    const MsiexecRun missing = Install(packages.msi, "MENUFILE=\"" + scratch_.File("none.tvx") + "\"");
    EXPECT_EQ(missing.exitCode, std::optional<DWORD>(ERROR_INSTALL_FAILURE));
    EXPECT_NE(missing.log.find("MENUFILE: cannot read"), std::string::npos);
    EXPECT_TRUE(RelatedProducts(upgradeCode_).empty());
}

TEST_F(Installer, MenuFileLeavesAnExistingMenuAlone) {
    ASSERT_TRUE(CreateDirectoryW(win32::Wide(ProgramFolder()).c_str(), nullptr));
    const std::string site = Utf8ToCp932("*,この机のメニュー\r\n") + SampleMenu();
    ASSERT_TRUE(WriteBytes(Installed("TORVA.TVX"), site));
    const std::string deployed = WriteScratch("deployed.tvx", DeployedMenu());
    const MsiexecRun run = Install(packages.msi, "MENUFILE=\"" + deployed + "\"");
    ASSERT_EQ(run.exitCode, std::optional<DWORD>(0)) << run.log;
    EXPECT_EQ(ReadBytes(Installed("TORVA.TVX")), site);
    EXPECT_NE(run.log.find("exists and is kept"), std::string::npos);
}

}  // namespace
}  // namespace torva::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::string manifest;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto take = [&](const char* name, std::string& into) {
            if (arg.starts_with(name)) into = arg.substr(std::string(name).size());
        };
        take("--msi=", torva::e2e::packages.msi);
        take("--next-msi=", torva::e2e::packages.nextMsi);
        take("--rebuilt-msi=", torva::e2e::packages.rebuiltMsi);
        take("--manifest=", manifest);
    }
    std::ifstream list(manifest);
    for (std::string line; std::getline(list, line);)
        if (!line.empty()) torva::e2e::packages.manifest.push_back(line);
    return RUN_ALL_TESTS();
}
