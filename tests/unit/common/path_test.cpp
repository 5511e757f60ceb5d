// Folder parts and launch extensions: the rules that decide where a definition lives and how a
// button's target is started.
#include "common/path.h"

#include <gtest/gtest.h>

namespace torva {
namespace {

TEST(FolderPart, FollowsTheBackslashScanRule) {
    struct Case {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\TORVA\\TORVA.TVX", "C:\\TORVA"},
        {"C:\\TORVA.TVX", "C:\\"},  // drive root keeps its backslash
        {"C:\\A\\B\\C.TVX", "C:\\A\\B"},
        {"C:\\A\\", "C:\\A"},
        {"C:\\", "C:\\"},
        {"\\\\SERVER\\SHARE\\M.TVX", "\\\\SERVER\\SHARE"},
        {"\\\\SERVER", ""},  // the scan never reaches the first two characters
        {"\\A.TVX", ""},
        {"A\\B.TVX", ""},       // backslash at position 2
        {"AB\\C.TVX", "AB\\"},  // position 3 reads as a root
        {"TORVA.TVX", ""},
        {"", ""},
        {"C:\\メニュー\\表.TVX", "C:\\メニュー"},
        {"表ソ\\a", "表ソ\\"},  // positions count characters: the backslash is the third
        {"表ソ能\\a", "表ソ能"},
    };
    for (const auto& c : cases) EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
}

TEST(LaunchExtension, FollowsTheExtensionRule) {
    struct Case {
        const char* path;
        const char* ext;
    } cases[] = {
        {"C:\\WINDOWS\\NOTEPAD.EXE", "EXE"},
        {"c:\\a\\b.exe", "EXE"},
        {"C:\\A\\SHELL.DLL|3", "DLL"},
        {"C:\\A\\B.ico|12|x", "ICO"},
        {"C:\\A.DIR\\README", ""},  // the scan stops at the backslash
        {"README", ""},
        {"C:\\A\\B.", ""},
        {".tvs", "TVS"},
        {"x.Tvs", "TVS"},
        {"http://example.jp/a.html", ""},
        {"HTTPS://example.jp/a.exe", ""},
        {"HtTp:a.exe", ""},
        {"httpx://a.exe", "EXE"},
        {"C:\\文書\\表.ｄｏｃ", "ＤＯＣ"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(LaunchExtension(c.path), c.ext) << c.path;
}

TEST(LaunchExtension, EditorAndScriptFormIgnoreADotInTheFirstCharacter) {
    EXPECT_EQ(LaunchExtension(".tvs", false), "");
    EXPECT_EQ(LaunchExtension("x.tvs|2", false), "TVS");
    EXPECT_EQ(LaunchExtension("C:\\A.B\\file|3", false), "");
}

TEST(IsAddress, OnlySchemePrefixesCount) {
    EXPECT_TRUE(IsAddress("http:"));
    EXPECT_TRUE(IsAddress("HTTPS://x"));
    EXPECT_TRUE(IsAddress("Https:x"));
    EXPECT_FALSE(IsAddress("http"));
    EXPECT_FALSE(IsAddress(" http://x"));
    EXPECT_FALSE(IsAddress("ftp://x"));
    EXPECT_FALSE(IsAddress(""));
}

TEST(JoinPath, PutsExactlyOneBackslashBetween) {
    EXPECT_EQ(JoinPath("C:\\A", "B.TVX"), "C:\\A\\B.TVX");
    EXPECT_EQ(JoinPath("C:\\", "B.TVX"), "C:\\B.TVX");
    EXPECT_EQ(JoinPath("C:\\A\\", "\\\\B.TVX"), "C:\\A\\B.TVX");
    EXPECT_EQ(JoinPath("", "B.TVX"), "B.TVX");
    EXPECT_EQ(JoinPath("C:\\A", ""), "C:\\A\\");
}

}  // namespace
}  // namespace torva
