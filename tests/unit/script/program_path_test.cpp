#include "script/program_path.h"

#include <gtest/gtest.h>

#include <set>

namespace torva::script {
namespace {

class ProgramPathTest : public ::testing::Test {
  protected:
    ProgramPathTest() {
        state.scriptFolder = "D:\\SCRIPTS";
        state.runnerFolder = "C:\\TORVA";
        state.windowsFolder = "C:\\WINDOWS";
        state.systemFolder = "C:\\WINDOWS\\SYSTEM32";
    }
    ResolvedProgram Resolve(const std::string& name) {
        return ResolveProgramPath(name, state, [this](const std::string& p) {
            asked.push_back(p);
            return existing.count(p) != 0;
        });
    }
    ScriptState state;
    std::set<std::string> existing;
    std::vector<std::string> asked;
};

TEST_F(ProgramPathTest, FolderSearchTakesTheFirstOfFourFolders) {
    const std::vector<std::string> order = {"D:\\SCRIPTS\\X.EXE", "C:\\TORVA\\X.EXE", "C:\\WINDOWS\\X.EXE",
                                            "C:\\WINDOWS\\SYSTEM32\\X.EXE"};
    // Remove the folders from the front one by one: each time the next one in order wins.
    for (std::size_t first = 0; first < order.size(); ++first) {
        existing.clear();
        for (std::size_t i = first; i < order.size(); ++i) existing.insert(order[i]);
        const ResolvedProgram r = Resolve("X.EXE");
        EXPECT_EQ(r.status, ResolvedProgram::Status::Found);
        EXPECT_EQ(r.path, order[first]);
    }
    existing.clear();
    asked.clear();
    EXPECT_EQ(Resolve("X.EXE").status, ResolvedProgram::Status::NotFound);
    EXPECT_EQ(asked, order);
}

TEST_F(ProgramPathTest, NoExtensionIsAdded) {
    existing.insert("C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(Resolve("NOTEPAD.EXE").path, "C:\\WINDOWS\\NOTEPAD.EXE");
    EXPECT_EQ(Resolve("NOTEPAD").status, ResolvedProgram::Status::NotFound);
}

TEST_F(ProgramPathTest, RelativeNamesWithFolders) {
    existing.insert("C:\\TORVA\\TOOLS\\X.EXE");
    EXPECT_EQ(Resolve("TOOLS\\X.EXE").path, "C:\\TORVA\\TOOLS\\X.EXE");
}

TEST_F(ProgramPathTest, DriveRootScriptFolderGetsOneBackslash) {
    state.scriptFolder = "D:\\";
    existing.insert("D:\\X.EXE");
    EXPECT_EQ(Resolve("X.EXE").path, "D:\\X.EXE");
}

TEST_F(ProgramPathTest, UnknownScriptFolderIsSkipped) {
    state.scriptFolder.clear();
    existing.insert("\\X.EXE");
    existing.insert("C:\\TORVA\\X.EXE");
    EXPECT_EQ(Resolve("X.EXE").path, "C:\\TORVA\\X.EXE");
}

TEST_F(ProgramPathTest, AbsoluteAndSpecialNames) {
    existing.insert("E:\\APPS\\Y.EXE");
    existing.insert("\\\\SRV\\SHARE\\Z.EXE");
    existing.insert("あ:\\Y.EXE");
    struct Case {
        const char* name;
        ResolvedProgram::Status status;
        const char* path;
    };
    const Case cases[] = {
        {"E:\\APPS\\Y.EXE", ResolvedProgram::Status::Found, "E:\\APPS\\Y.EXE"},
        {"E:\\APPS\\MISSING.EXE", ResolvedProgram::Status::NotFound, ""},
        {"\\\\SRV\\SHARE\\Z.EXE", ResolvedProgram::Status::Found, "\\\\SRV\\SHARE\\Z.EXE"},
        {"C:", ResolvedProgram::Status::Nothing, ""},
        {"\\\\", ResolvedProgram::Status::Nothing, ""},
        {"\\", ResolvedProgram::Status::Nothing, ""},
        {":", ResolvedProgram::Status::Nothing, ""},
        {"", ResolvedProgram::Status::Nothing, ""},
        {"\\TOOLS\\X.EXE", ResolvedProgram::Status::BadName, ""},
        {"X", ResolvedProgram::Status::NotFound, ""},
        // The colon counts as the second character, not the second byte.
        {"あ:", ResolvedProgram::Status::Nothing, ""},
        {"あ:\\Y.EXE", ResolvedProgram::Status::Found, "あ:\\Y.EXE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ResolvedProgram r = Resolve(c.name);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.path, c.path);
    }
}

TEST_F(ProgramPathTest, EmptyNameNeverOpensAFolder) {
    // Every folder exists; an empty name must still start nothing.
    existing = {"D:\\SCRIPTS", "D:\\SCRIPTS\\", "C:\\TORVA", "C:\\TORVA\\"};
    EXPECT_EQ(Resolve("").status, ResolvedProgram::Status::Nothing);
    EXPECT_TRUE(asked.empty());
}

}  // namespace
}  // namespace torva::script
