#include "runtime/activation/launch_command.h"

#include <gtest/gtest.h>

#include "runtime/activation/wait_mode.h"

namespace torva::activation {
namespace {

struct LaunchCase {
    const char* program;
    const char* arguments;
    const char* workFolder;
    LaunchKind kind;
    const char* commandLine;
};

class ButtonLaunchTable : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(ButtonLaunchTable, BuildsTheExactCommandLine) {
    const LaunchCase& c = GetParam();
    const ButtonLaunch launch =
        BuildButtonLaunch("C:\\TORVA", 0x000A01F4u, c.program, c.arguments, c.workFolder);
    EXPECT_EQ(launch.kind, c.kind) << c.program;
    EXPECT_EQ(launch.commandLine, c.commandLine) << c.program;
}

INSTANTIATE_TEST_SUITE_P(
    Activation, ButtonLaunchTable,
    ::testing::Values(
        // Programs: quoted path, one blank, the arguments as they are (also when empty).
        LaunchCase{"C:\\Apps\\calc.exe", "/a b", "", LaunchKind::Program, "\"C:\\Apps\\calc.exe\" /a b"},
        LaunchCase{"C:\\Apps\\run.bat", "", "", LaunchKind::Program, "\"C:\\Apps\\run.bat\" "},
        LaunchCase{"c:\\old\\tool.com", "x", "", LaunchKind::Program, "\"c:\\old\\tool.com\" x"},
        LaunchCase{"C:\\dos\\edit.Pif", "", "C:\\W", LaunchKind::Program, "\"C:\\dos\\edit.Pif\" "},
        // An icon index after the dot is not part of the extension.
        LaunchCase{"C:\\Apps\\x.exe|3", "", "", LaunchKind::Program, "\"C:\\Apps\\x.exe|3\" "},
        // Scripts: the script runner with the handle; arguments and work folder are not passed.
        LaunchCase{"C:\\S\\job.tvs", "ignored", "C:\\W", LaunchKind::Script,
                   "C:\\TORVA\\Tvscript.exe |TORVA|000A01F4|C:\\S\\job.tvs"},
        LaunchCase{"job.TVS", "", "", LaunchKind::Script, "C:\\TORVA\\Tvscript.exe |TORVA|000A01F4|job.TVS"},
        // Documents, folders and addresses: the opener with the work folder in brackets.
        LaunchCase{"C:\\Docs\\a.txt", "ignored", "C:\\Docs", LaunchKind::Document,
                   "C:\\TORVA\\Tvshell.exe <C:\\Docs>C:\\Docs\\a.txt"},
        LaunchCase{"C:\\Docs\\a.txt", "", "", LaunchKind::Document,
                   "C:\\TORVA\\Tvshell.exe <>C:\\Docs\\a.txt"},
        // A dot in a folder name is no extension: the scan stops at the backslash.
        LaunchCase{"C:\\my.apps\\setup", "", "", LaunchKind::Document,
                   "C:\\TORVA\\Tvshell.exe <>C:\\my.apps\\setup"},
        // Addresses have no extension, whatever they end with.
        LaunchCase{"http://host/tool.exe", "", "", LaunchKind::Document,
                   "C:\\TORVA\\Tvshell.exe <>http://host/tool.exe"},
        LaunchCase{"HTTPS://host/a.tvs", "", "", LaunchKind::Document,
                   "C:\\TORVA\\Tvshell.exe <>HTTPS://host/a.tvs"},
        // Japanese folder names pass through unchanged.
        LaunchCase{"C:\\表\\ソフト.exe", "引数", "", LaunchKind::Program, "\"C:\\表\\ソフト.exe\" 引数"},
        LaunchCase{"C:\\Docs\\report.exe.txt", "", "", LaunchKind::Document,
                   "C:\\TORVA\\Tvshell.exe <>C:\\Docs\\report.exe.txt"}));

TEST(HandleHex8, EightUpperCaseDigitsZeroPadded) {
    EXPECT_EQ(HandleHex8(0), "00000000");
    EXPECT_EQ(HandleHex8(0xABCDEFu), "00ABCDEF");
    EXPECT_EQ(HandleHex8(0xFFFFFFFFu), "FFFFFFFF");
    // Only the 32 significant bits of a window handle are written.
    EXPECT_EQ(HandleHex8(0x1234567800C0FFEEull), "00C0FFEE");
}

TEST(OtherCommandLines, ViewerAndScreenSaverAndRootProgramFolder) {
    EXPECT_EQ(ViewerCommandLine("C:\\TORVA", "PC02:a:b"), "C:\\TORVA\\Tvrmsg.exe PC02:a:b");
    EXPECT_EQ(ScreenSaverCommandLine("C:\\WINDOWS\\system32\\ssText3d.scr"),
              "\"C:\\WINDOWS\\system32\\ssText3d.scr\" /S");
    // A program folder at a drive root keeps exactly one backslash before the program name.
    EXPECT_EQ(ScriptCommandLine("D:\\", 1, "x.tvs"), "D:\\Tvscript.exe |TORVA|00000001|x.tvs");
}

struct WaitCase {
    int page, button, effective;
    bool locks, hides;
};

TEST(EffectiveWaitMode, PageModeOverridesButtonMode) {
    const WaitCase cases[] = {
        {0, 0, 0, false, false}, {0, 1, 1, false, false}, {0, 2, 2, false, true}, {0, 3, 3, true, false},
        {0, 4, 4, true, true},   {3, 0, 3, true, false},  {3, 2, 3, true, false}, {1, 4, 1, false, false},
        {2, 3, 2, false, true},  {4, 1, 4, true, true},   {9, 2, 2, false, true}, {0, 7, 0, false, false},
        {-1, 3, 3, true, false},
    };
    for (const WaitCase& c : cases) {
        const int mode = EffectiveWaitMode(c.page, c.button);
        EXPECT_EQ(mode, c.effective) << c.page << "/" << c.button;
        EXPECT_EQ(LocksMenu(mode), c.locks) << c.page << "/" << c.button;
        EXPECT_EQ(HidesMenu(mode), c.hides) << c.page << "/" << c.button;
        EXPECT_EQ(WaitsForProgram(mode), c.effective != 0);
    }
}

}  // namespace
}  // namespace torva::activation
