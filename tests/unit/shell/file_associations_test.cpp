#include "shell/file_associations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/run_error.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/fake_registry.h"

namespace torva::shell {
namespace {

using torva::testing::FakeFileSystem;
using torva::testing::FakeRegistry;

constexpr const char* kOwn = "C:\\Program Files\\Torva";

class FileAssociations : public ::testing::Test {
  protected:
    // Registration is per user and never needs administrator rights: nothing is ever created under
    // the local machine.
    void TearDown() override { EXPECT_FALSE(registry.Has("hklm")); }

    FakeRegistry registry;
    FakeFileSystem files;
    void Register() { RegisterFileAssociations(registry, files, kOwn); }
    void InstallEditor() { files.AddFile(std::string(kOwn) + "\\TVSETUP.EXE"); }
};

TEST_F(FileAssociations, FreshRegistryGetsBothTypesExactlyAsTabled) {
    Register();
    const std::vector<std::string> expected = {
        ".tvx=tvx_auto_file",
        "tvx_auto_file=TORVA command definition",
        "tvx_auto_file\\defaulticon=C:\\Program Files\\Torva\\Torva.exe,1",
        "tvx_auto_file\\shell\\open\\command=\"C:\\Program Files\\Torva\\Torva.exe\" \"%1\"",
        ".tvs=tvs_auto_file",
        "tvs_auto_file=TORVA script file",
        "tvs_auto_file\\defaulticon=C:\\Program Files\\Torva\\Torva.exe,14",
        "tvs_auto_file\\shell\\open\\command=\"C:\\Program Files\\Torva\\Tvscript.exe\" \"%1\"",
    };
    EXPECT_EQ(registry.writes, expected);
    EXPECT_FALSE(registry.Has("tvx_auto_file\\shell\\edit")) << "no editor beside the opener";
}

TEST_F(FileAssociations, ExistingExtensionKeyIsNeverTouched) {
    registry.Put(".tvx", "someone_elses_type");
    Register();
    EXPECT_EQ(registry.Default(".tvx"), "someone_elses_type");
    EXPECT_FALSE(registry.Has("tvx_auto_file"));
    EXPECT_EQ(registry.Default(".tvs"), "tvs_auto_file");
    EXPECT_EQ(registry.Default("tvs_auto_file\\shell\\open\\command"),
              "\"C:\\Program Files\\Torva\\Tvscript.exe\" \"%1\"");
}

TEST_F(FileAssociations, SecondRunChangesNothing) {
    Register();
    registry.writes.clear();
    Register();
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(FileAssociations, EditVerbAddedOnceWhenEditorAppearsLater) {
    Register();
    InstallEditor();
    registry.writes.clear();
    Register();
    const std::vector<std::string> expected = {
        "tvx_auto_file\\shell\\edit\\command=\"C:\\Program Files\\Torva\\Tvsetup.exe\" \"%1\"",
        "tvx_auto_file\\shell\\edit=メニュー編集(&E)",
        "tvx_auto_file\\shell=open",
    };
    EXPECT_EQ(registry.writes, expected);

    registry.Put("tvx_auto_file\\shell\\edit\\command", "custom \"%1\"");
    registry.writes.clear();
    Register();
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(registry.Default("tvx_auto_file\\shell\\edit\\command"), "custom \"%1\"");
}

TEST_F(FileAssociations, EditVerbJoinsAForeignRegistrationOfTheTypeKey) {
    // The extension belongs to someone else, but a type key of our name exists: the verb is added.
    registry.Put(".tvx", "tvx_auto_file");
    registry.Put("tvx_auto_file", "older");
    InstallEditor();
    Register();
    EXPECT_EQ(registry.Default("tvx_auto_file"), "older");
    EXPECT_EQ(registry.Default("tvx_auto_file\\shell"), "open");
    EXPECT_EQ(registry.Default("tvx_auto_file\\shell\\edit"), "メニュー編集(&E)");
}

TEST_F(FileAssociations, EditVerbNeedsAnOpenableTypeKey) {
    registry.Put(".tvx", "elsewhere");  // the type key was never written
    InstallEditor();
    Register();
    EXPECT_FALSE(registry.Has("tvx_auto_file"));
}

TEST_F(FileAssociations, FailingCallsLeaveOnlyTheirPartOut) {
    registry.failingWrites.insert("tvx_auto_file\\defaulticon");
    registry.failingOpens.insert(".tvs");
    registry.failingOpens.insert("hkcu\\software\\classes\\.tvs");
    Register();
    EXPECT_EQ(registry.Default("tvx_auto_file\\defaulticon"), "<no value>");
    EXPECT_EQ(registry.Default("tvx_auto_file\\shell\\open\\command"),
              "\"C:\\Program Files\\Torva\\Torva.exe\" \"%1\"");
    EXPECT_FALSE(registry.Has("tvs_auto_file"));
    EXPECT_FALSE(registry.Has("hkcu\\software\\classes\\tvs_auto_file"));
}

TEST_F(FileAssociations, UnexpectedFailureReachesTheCaller) {
    registry.throwOnCreate = ".tvs";
    try {
        Register();
        FAIL() << "expected a failure";
    } catch (const RunError& e) {
        EXPECT_EQ(e.number(), kErrPermissionDenied);
    }
    EXPECT_EQ(registry.Default(".tvx"), "tvx_auto_file");
}

TEST_F(FileAssociations, WithoutAdministratorRightsRegistersForTheUser) {
    registry.machineReadOnly = true;
    Register();
    const std::string user = "hkcu\\software\\classes\\";
    const std::vector<std::string> expected = {
        user + ".tvx=tvx_auto_file",
        user + "tvx_auto_file=TORVA command definition",
        user + "tvx_auto_file\\defaulticon=C:\\Program Files\\Torva\\Torva.exe,1",
        user + "tvx_auto_file\\shell\\open\\command=\"C:\\Program Files\\Torva\\Torva.exe\" \"%1\"",
        user + ".tvs=tvs_auto_file",
        user + "tvs_auto_file=TORVA script file",
        user + "tvs_auto_file\\defaulticon=C:\\Program Files\\Torva\\Torva.exe,14",
        user + "tvs_auto_file\\shell\\open\\command=\"C:\\Program Files\\Torva\\Tvscript.exe\" \"%1\"",
    };
    EXPECT_EQ(registry.writes, expected);
    registry.writes.clear();
    Register();
    EXPECT_TRUE(registry.writes.empty()) << "a second start finds the user's registration";
}

TEST_F(FileAssociations, WithoutAdministratorRightsNeverShadowsTheMachinesRegistration) {
    registry.Put(".tvx", "tvx_auto_file");
    registry.Put("tvx_auto_file", "TORVA command definition");
    registry.machineReadOnly = true;
    InstallEditor();
    Register();
    const std::string user = "hkcu\\software\\classes\\";
    EXPECT_FALSE(registry.Has(user + ".tvx"));
    EXPECT_FALSE(registry.Has(user + "tvx_auto_file\\defaulticon"));
    EXPECT_EQ(registry.Default(user + ".tvs"), "tvs_auto_file");
    // The machine's type lacks the edit verb: this user gets it, opening staying the default.
    EXPECT_EQ(registry.Default(user + "tvx_auto_file\\shell\\edit\\command"),
              "\"C:\\Program Files\\Torva\\Tvsetup.exe\" \"%1\"");
    EXPECT_EQ(registry.Default(user + "tvx_auto_file\\shell\\edit"), "メニュー編集(&E)");
    EXPECT_EQ(registry.Default(user + "tvx_auto_file\\shell"), "open");
    EXPECT_EQ(registry.Default("tvx_auto_file"), "TORVA command definition");
}

TEST_F(FileAssociations, WithoutAdministratorRightsKeepsTheMachinesEditVerb) {
    registry.Put(".tvx", "tvx_auto_file");
    registry.Put("tvx_auto_file\\shell\\edit\\command", "machine \"%1\"");
    registry.machineReadOnly = true;
    InstallEditor();
    Register();
    EXPECT_FALSE(registry.Has("hkcu\\software\\classes\\tvx_auto_file"));
    EXPECT_EQ(registry.Default("tvx_auto_file\\shell\\edit\\command"), "machine \"%1\"");
}

TEST(FileAssociationTable, FollowsTheOwnFolder) {
    const auto types = FileTypeAssociations("D:\\");
    EXPECT_EQ(types[0].icon, "D:\\Torva.exe,1");
    EXPECT_EQ(types[1].openCommand, "\"D:\\Tvscript.exe\" \"%1\"");
    EXPECT_EQ(DefinitionEditVerb("E:\\T").editorPath, "E:\\T\\TVSETUP.EXE");
}

}  // namespace
}  // namespace torva::shell
