#include "runtime/position_store.h"

#include <gtest/gtest.h>

#include "tests/support/fake_file_system.h"
#include "tests/support/fake_registry.h"

namespace torva::runtime {
namespace {

using testing::FakeFileSystem;
using testing::FakeIniFile;

constexpr const char* kShared = "C:\\Program Files\\Torva\\Torva.ini";
constexpr const char* kOwn = "C:\\Users\\u\\AppData\\Local\\Torva\\Torva.ini";

PositionFiles Files() {
    return PositionFilesFor("C:\\Program Files\\Torva", "C:\\Users\\u\\AppData\\Local");
}

TEST(PositionStore, KeptInTheProgramFolderWhileItCanBeWritten) {
    FakeIniFile ini;
    FakeFileSystem fs;
    EXPECT_EQ(ReadSavedPosition(ini, Files()).left, -1);  // nothing saved yet
    ASSERT_TRUE(SavePosition(ini, fs, Files(), {1800, 2400}));
    EXPECT_EQ(ini.Value(kShared, "Xpos"), "1800");
    EXPECT_EQ(ini.Value(kShared, "Ypos"), "2400");
    EXPECT_FALSE(fs.Has("C:\\Users\\u\\AppData\\Local\\Torva"));  // no copy of the user's own
    const SavedPosition back = ReadSavedPosition(ini, Files());
    EXPECT_EQ(back.left, 1800);
    EXPECT_EQ(back.top, 2400);
}

// A user who may not change the program folder keeps the position in a copy of their own, which then
// wins over the shared file's older position.
TEST(PositionStore, AUserWhoCannotWriteTheProgramFolderKeepsAnOwnCopy) {
    FakeIniFile ini;
    FakeFileSystem fs;
    ini.files[testing::FakeRegistry::Fold(kShared)]["INIT\\Xpos"] = "15";
    ini.files[testing::FakeRegistry::Fold(kShared)]["INIT\\Ypos"] = "30";
    ini.readOnly.insert(testing::FakeRegistry::Fold(kShared));
    ASSERT_TRUE(SavePosition(ini, fs, Files(), {-900, 600}));  // left of the primary screen
    EXPECT_TRUE(fs.IsFolder("C:\\Users\\u\\AppData\\Local\\Torva"));
    EXPECT_EQ(ini.Value(kOwn, "Xpos"), "-900");
    EXPECT_EQ(ini.Value(kShared, "Xpos"), "15");
    SavedPosition back = ReadSavedPosition(ini, Files());
    EXPECT_EQ(back.left, -900);
    EXPECT_EQ(back.top, 600);
    // Once the own copy exists it stays the one in use.
    ini.readOnly.clear();
    ASSERT_TRUE(SavePosition(ini, fs, Files(), {300, 450}));
    EXPECT_EQ(ini.Value(kOwn, "Xpos"), "300");
    EXPECT_EQ(ini.Value(kShared, "Xpos"), "15");
}

TEST(PositionStore, NoPlaceToWriteIsReportedNotHidden) {
    FakeIniFile ini;
    FakeFileSystem fs;
    fs.failCreateFolder = true;
    ini.readOnly.insert(testing::FakeRegistry::Fold(kShared));
    EXPECT_FALSE(SavePosition(ini, fs, Files(), {1, 2}));
    ini.readOnly.insert(testing::FakeRegistry::Fold("C:\\P\\Torva.ini"));
    EXPECT_FALSE(SavePosition(ini, fs, PositionFilesFor("C:\\P", ""), {1, 2}));  // the user has no own folder
}

}  // namespace
}  // namespace torva::runtime
