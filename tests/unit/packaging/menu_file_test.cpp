// The installer's MENUFILE handling: where the file is taken from, how it travels between the
// installer's steps, and the runtime's rules applied as if it already were the program folder's menu.
#include "packaging/menu_file.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "tests/support/fake_file_system.h"

namespace torva::packaging {
namespace {

TEST(MenuFilePath, RelativeTextsComeFromThePackageFolder) {
    struct Case {
        const char* menuFile;
        const char* packageFolder;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\MENUS\\OFFICE.TVX", "\\\\SERVER\\DEPLOY", "C:\\MENUS\\OFFICE.TVX"},
        {"\\\\SERVER\\MENUS\\OFFICE.TVX", "C:\\DEPLOY", "\\\\SERVER\\MENUS\\OFFICE.TVX"},
        {"OFFICE.TVX", "\\\\SERVER\\DEPLOY", "\\\\SERVER\\DEPLOY\\OFFICE.TVX"},
        {"MENUS\\OFFICE.TVX", "C:\\DEPLOY\\", "C:\\DEPLOY\\MENUS\\OFFICE.TVX"},
        {"OFFICE.TVX", "", "OFFICE.TVX"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveMenuFilePath(c.menuFile, c.packageFolder), c.expected) << c.menuFile;
    EXPECT_EQ(MenuFilePath("C:\\Program Files\\Torva"), "C:\\Program Files\\Torva\\TORVA.TVX");
}

TEST(MenuFileData, EveryByteSurvivesTheTrip) {
    MenuFileData data{"C:\\Program Files\\Torva", "\\\\SERVER\\MENUS\\日本.TVX", {}};
    for (int b = 0; b < 256; ++b) data.bytes += static_cast<char>(b);
    const std::string text = EncodeMenuFileData(data);
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(DecodeMenuFileData(text), data);
    const MenuFileData empty{"D:\\", "E.TVX", ""};
    EXPECT_EQ(DecodeMenuFileData(EncodeMenuFileData(empty)), empty);
}

TEST(MenuFileData, DamagedTextsAreRefused) {
    for (const char* text : {"", "C:\\Torva", "|A.TVX|41", "C:\\Torva|A.TVX", "C:\\Torva|A.TVX|414",
                             "C:\\Torva|A.TVX|4G", "C:\\Torva|A.TVX| 1"})
        EXPECT_FALSE(DecodeMenuFileData(text).has_value()) << text;
    EXPECT_EQ(DecodeMenuFileData("C:\\Torva|A.TVX|4a61")->bytes, "Ja");
}

class MenuFileCheckTest : public ::testing::Test {
  protected:
    MenuFileCheckTest() {
        files.AddFolders({kProgramFolder, "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32", "C:\\DEPLOY"});
        files.AddFile("C:\\WINDOWS\\SYSTEM32\\CMD.EXE");
    }
    MenuFileVerdict Check(const std::string& utf8) {
        return CheckMenuFile(Utf8ToCp932(utf8), kProgramFolder, "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32",
                             files);
    }

    static constexpr const char* kProgramFolder = "C:\\Program Files\\Torva";
    testing::FakeFileSystem files;
};

// A button starting the sample program by a bare name, which only the program folder can resolve.
const std::string kSampleButton =
    "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"見本\",,,,,,,,\"CMD:SMPTVS.exe\",0,,\r\n";

TEST_F(MenuFileCheckTest, RelativePathsAreLookedForInTheProgramFolder) {
    files.AddFile("C:\\DEPLOY\\SMPTVS.EXE");
    const MenuFileVerdict missing = Check(kSampleButton);
    EXPECT_FALSE(missing.accepted);
    ASSERT_EQ(missing.lines.size(), 1u);
    EXPECT_TRUE(missing.lines[0].starts_with("ErrorNo = ")) << missing.lines[0];
    EXPECT_NE(missing.lines[0].find("SMPTVS.exe"), std::string::npos) << missing.lines[0];

    files.AddFile("C:\\Program Files\\Torva\\SMPTVS.EXE");
    const MenuFileVerdict found = Check(kSampleButton);
    EXPECT_TRUE(found.accepted);
    EXPECT_TRUE(found.lines.empty());
}

TEST_F(MenuFileCheckTest, AFailureThatStopsTheRuntimeRefusesTheFileWithItsRuleLine) {
    const MenuFileVerdict verdict = Check("[VER8.05]\r\nFOO\r\n");
    EXPECT_FALSE(verdict.accepted);
    ASSERT_EQ(verdict.lines.size(), 1u);
    EXPECT_EQ(verdict.lines[0],
              "ErrorNo = 1 : メニュー定義で、ページ定義の先頭がページ開始定義でないか、 "
              "もしくは誤った記述があります｡  : FOO");
}

TEST_F(MenuFileCheckTest, FailuresPassedOverByNchkStillStartTheMenuAndAreReported) {
    const MenuFileVerdict verdict =
        Check("[VER8.05]\r\n[NCHK]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:NOWHERE.EXE\",0,,\r\n");
    EXPECT_TRUE(verdict.accepted);
    ASSERT_EQ(verdict.lines.size(), 1u);
    EXPECT_NE(verdict.lines[0].find("NOWHERE.EXE"), std::string::npos) << verdict.lines[0];
}

TEST_F(MenuFileCheckTest, ProgramsOfTheSystemFolderAreFound) {
    const MenuFileVerdict verdict =
        Check("[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"a\",,,,,,,,\"CMD:cmd.exe /c\",0,,\r\n");
    EXPECT_TRUE(verdict.accepted);
    EXPECT_TRUE(verdict.lines.empty());
}

}  // namespace
}  // namespace torva::packaging
