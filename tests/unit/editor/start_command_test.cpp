#include "editor/start_command.h"

#include <gtest/gtest.h>

namespace torva::editor {
namespace {

struct StartCase {
    const char* commandLine;
    const char* path;
    bool byRuntime;
};

class StartCommandTest : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartCommandTest, PathAndMarker) {
    const StartCase& c = GetParam();
    const StartCommand got = ParseStartCommand(c.commandLine, "C:\\Torva");
    EXPECT_EQ(got.path, c.path) << c.commandLine;
    EXPECT_EQ(got.startedByRuntime, c.byRuntime) << c.commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, StartCommandTest,
    ::testing::Values(
        StartCase{"", "", false}, StartCase{"   ", "", false},
        // The runtime's form: path and marker inside one pair of quotes.
        StartCase{"\"D:\\Menus\\OFFICE.TVX|TORVA\"", "D:\\Menus\\OFFICE.TVX", true},
        StartCase{"\"D:\\My Menus\\a b.tvx\"", "D:\\My Menus\\a b.tvx", false},
        StartCase{"D:\\x.tvx", "D:\\x.tvx", false},
        // A bare name is in the program folder; so is a relative path.
        StartCase{"menu.tvx", "C:\\Torva\\menu.tvx", false},
        StartCase{"sub\\menu.tvx", "C:\\Torva\\sub\\menu.tvx", false},
        StartCase{"\"menu.tvx|TORVA\"", "C:\\Torva\\menu.tvx", true},
        // Network paths are taken unchanged.
        StartCase{"\\\\server\\share\\m.tvx", "\\\\server\\share\\m.tvx", false},
        StartCase{"\"\\\\server\\share\\m.tvx|TORVA\"", "\\\\server\\share\\m.tvx", true},
        // The marker alone: started by the runtime without a file.
        StartCase{"\"|TORVA\"", "", true},
        // Only the exact upper-case marker at the very end counts.
        StartCase{"\"D:\\m.tvx|torva\"", "D:\\m.tvx|torva", false},
        // Blanks the shell leaves around the argument are not part of the name.
        StartCase{"  D:\\m.tvx  ", "D:\\m.tvx", false},
        // A Japanese first character is one character: the drive test looks at the second character.
        StartCase{"メ:\\x.tvx", "メ:\\x.tvx", false},
        StartCase{"メニュー.tvx", "C:\\Torva\\メニュー.tvx", false}));

}  // namespace
}  // namespace torva::editor
