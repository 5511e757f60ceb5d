#include "shell/file_associations.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "common/run_error.h"

namespace torva::shell {
namespace {

using platform::RegistryRoot;

// An in-memory registry: keys by path (case-insensitive, as the registry); keys of the classes root
// are named by their path alone, keys of the current user begin with "hkcu\\". Every successful
// write is logged. With machineReadOnly the classes root refuses creating and writing, as it does
// for a user without administrator rights, but can still be read.
class FakeRegistry : public platform::Registry {
  public:
    struct Key {
        std::map<std::string, std::string> values;
    };

    std::map<std::string, Key> keys;
    std::vector<std::string> writes;      // "path=value" for each write, in order
    std::set<std::string> failingWrites;  // paths whose SetString fails
    std::set<std::string> failingOpens;   // paths that cannot be opened or created
    std::string throwOnCreate;            // path whose create raises an unexpected failure
    bool machineReadOnly = false;

    static std::string Fold(RegistryRoot root, const std::string& path) {
        return Fold((root == RegistryRoot::CurrentUser ? "hkcu\\" : "") + path);
    }
    static std::string Fold(std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return s;
    }

    void Put(const std::string& path, const std::string& value) {
        AddWithParents(path);
        keys[Fold(path)].values[""] = value;
    }
    std::string Default(const std::string& path) const {
        const auto k = keys.find(Fold(path));
        if (k == keys.end()) return "<no key>";
        const auto v = k->second.values.find("");
        return v == k->second.values.end() ? "<no value>" : v->second;
    }
    bool Has(const std::string& path) const { return keys.count(Fold(path)) != 0; }

    platform::CreatedKey Create(RegistryRoot root, const std::string& path) override {
        const std::string key = Fold(root, path);
        EXPECT_NE(root, RegistryRoot::LocalMachine);
        if (key == Fold(throwOnCreate)) throw RunError(kErrPermissionDenied);
        if (failingOpens.count(key) || Denied(root)) return {};
        const bool created = !Has(key);
        AddWithParents(key);
        return {std::make_unique<FakeKey>(*this, key), created};
    }
    std::unique_ptr<platform::RegistryKey> Open(RegistryRoot root, const std::string& path,
                                                bool write) override {
        const std::string key = Fold(root, path);
        if (!Has(key) || failingOpens.count(key) || (write && Denied(root))) return nullptr;
        return std::make_unique<FakeKey>(*this, key);
    }

  private:
    bool Denied(RegistryRoot root) const { return machineReadOnly && root == RegistryRoot::ClassesRoot; }

    class FakeKey : public platform::RegistryKey {
      public:
        FakeKey(FakeRegistry& owner, std::string path) : owner_(owner), path_(std::move(path)) {}
        bool SetString(const std::string& name, const std::string& value) override {
            if (owner_.failingWrites.count(path_)) return false;
            owner_.keys[path_].values[name] = value;
            owner_.writes.push_back(path_ + (name.empty() ? "" : "\\" + name) + "=" + value);
            return true;
        }
        std::optional<std::string> GetString(const std::string& name) const override {
            const auto& values = owner_.keys[path_].values;
            const auto v = values.find(name);
            if (v == values.end()) return std::nullopt;
            return v->second;
        }

      private:
        FakeRegistry& owner_;
        std::string path_;
    };

    void AddWithParents(const std::string& path) {
        const std::string folded = Fold(path);
        for (std::size_t p = folded.find('\\'); p != std::string::npos; p = folded.find('\\', p + 1))
            keys[folded.substr(0, p)];
        keys[folded];
    }
};

class FakeFiles : public platform::FileSystem {
  public:
    std::set<std::string> existing;
    std::optional<uint32_t> Attributes(const std::string& path) const override {
        if (existing.count(path)) return 0x20u;
        return std::nullopt;
    }
    bool ReadFile(const std::string&, std::string&) const override { return false; }
    bool WriteFile(const std::string&, const std::string&) override { return false; }
    bool ReplaceFile(const std::string&, const std::string&) override { return false; }
    bool DeleteFile(const std::string&) override { return false; }
    bool SetCurrentFolder(const std::string&) override { return false; }
    std::string CurrentFolder() const override { return {}; }
};

constexpr const char* kOwn = "C:\\Program Files\\Torva";

class FileAssociations : public testing::Test {
  protected:
    FakeRegistry registry;
    FakeFiles files;
    void Register() { RegisterFileAssociations(registry, files, kOwn); }
    void InstallEditor() { files.existing.insert(std::string(kOwn) + "\\TVSETUP.EXE"); }
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
