#include "runtime/command_line.h"

#include <gtest/gtest.h>

namespace torva::runtime {
namespace {

struct PathCase {
    const char* commandLine;
    const char* path;
    const char* folder;
};

class DefinitionPath : public testing::TestWithParam<PathCase> {};

TEST_P(DefinitionPath, FollowsTheCommandLineRules) {
    const auto& c = GetParam();
    const auto loc = ResolveDefinitionPath(c.commandLine, "C:\\Torva");
    EXPECT_EQ(loc.path, c.path);
    EXPECT_EQ(loc.folder, c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DefinitionPath,
    testing::Values(PathCase{"", "C:\\Torva\\TORVA.TVX", "C:\\Torva"},
                    PathCase{"\"\"", "C:\\Torva\\TORVA.TVX", "C:\\Torva"},
                    // Blanks alone are no name, inside quotes or not; a named file keeps its blanks.
                    PathCase{"   ", "C:\\Torva\\TORVA.TVX", "C:\\Torva"},
                    PathCase{"\"  \"", "C:\\Torva\\TORVA.TVX", "C:\\Torva"},
                    PathCase{"\" A.TVX\"", "C:\\Torva\\ A.TVX", "C:\\Torva"},
                    PathCase{"\"C:\\Menus\\A B.TVX\"", "C:\\Menus\\A B.TVX", "C:\\Menus"},
                    // Exactly one quote goes at each end.
                    PathCase{"\"\"C:\\X.TVX\"\"", "C:\\Torva\\\"C:\\X.TVX\"", "C:\\Torva\\\"C:"},
                    PathCase{"\"D:\\M.TVX", "D:\\M.TVX", "D:\\"},
                    PathCase{"OFFICE.TVX", "C:\\Torva\\OFFICE.TVX", "C:\\Torva"},
                    PathCase{"sub\\OFFICE.TVX", "C:\\Torva\\sub\\OFFICE.TVX", "C:\\Torva\\sub"},
                    PathCase{"D:\\OFFICE.TVX", "D:\\OFFICE.TVX", "D:\\"}, PathCase{"d:x.tvx", "d:x.tvx", ""},
                    PathCase{"\\\\server\\share\\M.TVX", "\\\\server\\share\\M.TVX", "\\\\server\\share"},
                    // A single leading backslash is not a network path: it is taken from the program folder.
                    PathCase{"\\M.TVX", "C:\\Torva\\\\M.TVX", "C:\\Torva\\"},
                    PathCase{"メニュー.TVX", "C:\\Torva\\メニュー.TVX", "C:\\Torva"},
                    PathCase{"E:\\メニュー\\表.TVX", "E:\\メニュー\\表.TVX", "E:\\メニュー"}));

}  // namespace
}  // namespace torva::runtime
