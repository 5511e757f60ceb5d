#include "common/program_arguments.h"

#include <gtest/gtest.h>

namespace torva {
namespace {

constexpr std::string_view kSelf = "C:\\Program Files\\Torva\\Tvshell.exe";

struct ArgumentCase {
    const char* commandLine;
    const char* arguments;
};

class ProgramArguments : public testing::TestWithParam<ArgumentCase> {};

TEST_P(ProgramArguments, SkipsTheProgramName) {
    EXPECT_EQ(ArgumentText(GetParam().commandLine, kSelf), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(Forms, ProgramArguments,
                         testing::Values(
                             // Quoted name, as CreateProcess callers and the shell usually write it.
                             ArgumentCase{"\"C:\\Program Files\\Torva\\Tvshell.exe\" <LinkTVX>", "<LinkTVX>"},
                             ArgumentCase{"\"C:\\Program Files\\Torva\\Tvshell.exe\"", ""},
                             ArgumentCase{"\"C:\\Program Files\\Torva\\Tvshell.exe\"<C:\\D>x", "<C:\\D>x"},
                             ArgumentCase{"\"unterminated <LinkTVX>", ""},
                             // Unquoted own path with blanks in it: the whole path is the name.
                             ArgumentCase{"C:\\Program Files\\Torva\\Tvshell.exe <LinkTVX>", "<LinkTVX>"},
                             ArgumentCase{"c:\\program files\\torva\\TVSHELL.EXE   <C:\\My Data>a b.doc ",
                                          "<C:\\My Data>a b.doc "},
                             ArgumentCase{"C:\\Program Files\\Torva\\Tvshell <LinkTVX>", "<LinkTVX>"},
                             ArgumentCase{"C:/Program Files/Torva/Tvshell.exe\t<LinkTVX>", "<LinkTVX>"},
                             // Anything else ends at the first blank.
                             ArgumentCase{"Tvshell.exe <LinkTVX>", "<LinkTVX>"},
                             ArgumentCase{"Tvshell <LinkTVX>", "<LinkTVX>"},
                             ArgumentCase{"C:\\Program Files\\Torva\\Tvshell.exeX <LinkTVX>",
                                          "Files\\Torva\\Tvshell.exeX <LinkTVX>"},
                             ArgumentCase{"D:\\Other\\Tvshell.exe PC01:text: more", "PC01:text: more"},
                             ArgumentCase{"", ""}, ArgumentCase{"   ", ""}, ArgumentCase{"Tvshell.exe", ""}));

TEST(ProgramArgumentsWithoutOwnPath, FallsBackToTheFirstBlank) {
    EXPECT_EQ(ArgumentText("C:\\Program Files\\X.exe a", ""), "Files\\X.exe a");
    EXPECT_EQ(ArgumentText("\"C:\\Program Files\\X.exe\" a", ""), "a");
    EXPECT_EQ(ArgumentText("C:\\T\\Tvrmsg.exe PC:日本語", "C:\\T\\Tvrmsg.exe"), "PC:日本語");
}

}  // namespace
}  // namespace torva
