// Tvtool build on a fake machine: dump then build gives the file back, rule failures write nothing
// unless forced, and input that is no definition stops with exit 2 and the place named.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/unit/tools/tool_fixture.h"

namespace torva::tools {
namespace {

const char* const kMenu =
    "*,desk menu\r\n[VER8.05]\r\n[TSKI]\r\n[MODE1]\r\n[STREND]\r\nSTR1,\"cmd.exe /c echo\",1\r\n"
    "[PAGE1]\r\nVARTITLE,\"Desk\",B2,0\r\n"
    "CMD1,,OFF,\"Shell\",,,,,,\"m\",,\"CMD:cmd.exe /k\",0,,\"guide\"\r\nCMD2,,ON,\"Next\",,,,,,,,PAGE2,,,\r\n"
    "[PAGE2]\r\nCMD12,,OFF,\"Back\",,,,,,,,PAGE1,,,\r\n";

TEST_F(ToolTest, DumpThenBuildGivesBackTheSameBytes) {
    File("C:\\MENU\\M.TVX", kMenu);
    ASSERT_EQ(Run({"dump", "--editor", "C:\\MENU\\M.TVX"}), kExitOk) << err.str();
    files.AddFile("C:\\MENU\\M.JSON", out.str());
    ASSERT_EQ(Run({"build", "M.JSON", "--out", "C:\\OTHER\\M.TVX"}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(files.Content("C:\\OTHER\\M.TVX"), files.Content("C:\\MENU\\M.TVX"));
}

TEST_F(ToolTest, BuildWritesNothingWhenARuleFailsUnlessForced) {
    files.AddFile("C:\\MENU\\E.TVX", "old");
    // An icon this machine lacks: rule 5 in the runtime.
    files.AddFile(
        "C:\\MENU\\B.JSON",
        R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "caption": "x", "icon": "C:\\NO.ICO", "action": 3}]}]})");
    EXPECT_EQ(Run({"build", "C:\\MENU\\B.JSON", "--out", "C:\\MENU\\E.TVX"}), kExitRuleFailed);
    EXPECT_TRUE(out.str().starts_with("ErrorNo = 5 : ")) << out.str();
    EXPECT_EQ(files.Content("C:\\MENU\\E.TVX"), "old");
    EXPECT_FALSE(files.Has("C:\\MENU\\E.TVX.~tv"));
    EXPECT_EQ(Run({"build", "--force", "C:\\MENU\\B.JSON", "--out", "C:\\MENU\\E.TVX"}), kExitRuleFailed);
    EXPECT_EQ(files.Content("C:\\MENU\\E.TVX"),
              "[VER8.05]\r\n[MODE1]\r\n[PAGE1]\r\nCMD1,\"C:\\NO.ICO\",OFF,\"x\",,,,,,,,END,,,\r\n");
}

TEST_F(ToolTest, BuildChecksRelativePathsBesideTheOutputFile) {
    files.AddFile("C:\\OTHER\\APP.EXE");
    files.AddFile("C:\\MENU\\R.JSON",
                  R"({"pages": [{"page": 1, "buttons": [{"slot": 1, "action": 1, "program": "APP.EXE"}]}]})");
    EXPECT_EQ(Run({"build", "C:\\MENU\\R.JSON", "--out", "C:\\MENU\\R.TVX"}), kExitRuleFailed);
    EXPECT_FALSE(files.Has("C:\\MENU\\R.TVX"));
    EXPECT_EQ(Run({"build", "C:\\MENU\\R.JSON", "--out", "C:\\OTHER\\R.TVX"}), kExitOk) << out.str();
}

TEST_F(ToolTest, BuildInputAndUsageErrorsExitTwoWithOneLine) {
    files.AddFile("C:\\MENU\\NOT.JSON", "{\"pages\": [");
    files.AddFile("C:\\MENU\\TYPE.JSON", R"({"pages": [{"page": 1, "buttons": [{"slot": "1"}]}]})");
    files.AddFile("C:\\MENU\\BOM.JSON", "\xEF\xBB\xBF{}");
    struct Case {
        std::vector<std::string> args;
        const char* error;  // a part of the one error line
    };
    const Case cases[] = {
        {{"build", "C:\\MENU\\BOM.JSON"}, "--out FILE"},
        {{"build", "--out", "C:\\MENU\\X.TVX"}, "one JSON file"},
        {{"build", "C:\\MENU\\BOM.JSON", "--out"}, "--out needs a file"},
        {{"build", "C:\\MENU\\BOM.JSON", "--json", "--out", "C:\\MENU\\X.TVX"}, "unknown option"},
        {{"build", "C:\\MENU\\NONE.JSON", "--out", "C:\\MENU\\X.TVX"}, "cannot find \"C:\\MENU\\NONE.JSON\""},
        {{"build", "C:\\MENU", "--out", "C:\\MENU\\X.TVX"}, "cannot find"},
        {{"build", "C:\\MENU\\NOT.JSON", "--out", "C:\\MENU\\X.TVX"}, "is not JSON"},
        {{"build", "C:\\MENU\\TYPE.JSON", "--out", "C:\\MENU\\X.TVX"},
         "$.pages[0].buttons[0].slot must be an integer, not string"},
        {{"build", "C:\\MENU\\BOM.JSON", "--out", "C:\\OTHER"}, "is a folder"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), kExitUsage) << c.error;
        const std::string error = err.str();
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
        EXPECT_EQ(std::count(error.begin(), error.end(), '\n'), 1) << error;
        EXPECT_FALSE(files.Has("C:\\MENU\\X.TVX"));
    }
    files.failReplace = true;
    EXPECT_EQ(Run({"build", "C:\\MENU\\BOM.JSON", "--out", "C:\\MENU\\X.TVX"}), kExitUsage);
    EXPECT_FALSE(files.Has("C:\\MENU\\X.TVX"));
}

}  // namespace
}  // namespace torva::tools
