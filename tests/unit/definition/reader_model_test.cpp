// What the reader stores: format classes, fonts, times, relative paths in each reader, commands.
#include <gtest/gtest.h>

#include "tests/unit/definition/definition_fixture.h"

namespace torva::definition {
namespace {

using testing::DefinitionFixture;
using testing::Lines;

TEST(FormatClasses, ButtonFieldsByClass) {
    struct Case {
        const char* version;
        const char* line;
    } cases[] = {
        // class 1: fields 1..8, working folder, command, option
        {"[VER6.00]",
         "CMD1,\"C:\\X\\A.ICO\",ON,\"cap\",Arial,Bold,12,R,B,\"C:\\WORK\",\"CMD:NOTEPAD.EXE -x\",2"},
        // class 2: the comment before the working folder
        {"[VER8.00]",
         "CMD1,\"C:\\X\\A.ICO\",ON,\"cap\",Arial,Bold,12,R,B,\"tip\",\"C:\\WORK\",\"CMD:NOTEPAD.EXE "
         "-x\",2,\"pw\",\"gd\""},
        // class 3: password and guide as well
        {"[VER8.05]",
         "CMD1,\"C:\\X\\A.ICO\",ON,\"cap\",Arial,Bold,12,R,B,\"tip\",\"C:\\WORK\",\"CMD:NOTEPAD.EXE "
         "-x\",2,\"pw\",\"gd\""},
    };
    int formatClass = 0;
    for (const auto& c : cases) {
        ++formatClass;
        for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
            DefinitionFixture f;
            ASSERT_TRUE(f.Read(Lines({c.version, "[PAGE1]", c.line}), kind).ok()) << c.version;
            const MenuButton& b = f.def->Page(1).Button(1);
            EXPECT_EQ(f.def->formatClass, formatClass);
            EXPECT_EQ(b.icon, "C:\\X\\A.ICO");
            EXPECT_TRUE(b.pfKey);
            EXPECT_EQ(b.caption, "cap");
            EXPECT_EQ(b.fontName, "Arial");
            EXPECT_EQ(b.fontSize, 12);
            EXPECT_EQ(b.foreColour, 0x0000FFu);
            EXPECT_EQ(b.backColour, 0xFF0000u);
            EXPECT_EQ(b.comment, formatClass >= 2 ? "tip" : "");
            EXPECT_EQ(b.workFolder, "C:\\WORK");
            EXPECT_EQ(b.action, ButtonAction::Run);
            EXPECT_EQ(b.program, kind == ReaderKind::Runtime ? "C:\\WINDOWS\\NOTEPAD.EXE" : "NOTEPAD.EXE");
            EXPECT_EQ(b.programBase, kind == ReaderKind::Runtime ? 0 : 3);
            EXPECT_EQ(b.arguments, "-x");
            EXPECT_EQ(b.runOption, 2);
            EXPECT_EQ(b.password, formatClass == 3 ? "pw" : "");
            EXPECT_EQ(b.guide, formatClass == 3 ? "gd" : "");
        }
    }
}

TEST(Fonts, DefaultsAndClamps) {
    struct Case {
        const char* fields;  // name, style, size
        const char* name;
        const char* style;
        int titleSize;
        int buttonSize;
    } cases[] = {
        {",,", "", "", 0, 0},
        {",,12", "ＭＳ 明朝", "Regular", 12, 12},
        {"Arial,,", "Arial", "Regular", 16, 10},
        {",Bold,0", "ＭＳ 明朝", "Bold", 16, 10},
        {",,300", "ＭＳ 明朝", "Regular", 255, 255},
        {",,-5", "", "", 0, 0},
        {"Arial,Bold,-5", "Arial", "Bold", 16, 10},
    };
    for (const auto& c : cases) {
        DefinitionFixture f;
        const std::string fields = c.fields;
        ASSERT_TRUE(f.Editor(Lines({"[VER8.05]", "[PAGE1]", "TITLE1,\"t\"," + fields + ",,",
                                    "CMD1,,OFF,\"b\"," + fields + ",,,,,END,,,"}))
                        .ok())
            << fields;
        const PageTitle& t = f.def->Page(1).Title(1);
        const MenuButton& b = f.def->Page(1).Button(1);
        EXPECT_EQ(t.fontName, c.name) << fields;
        EXPECT_EQ(t.fontStyle, c.style) << fields;
        EXPECT_EQ(t.fontSize, c.titleSize) << fields;
        EXPECT_EQ(b.fontName, c.name) << fields;
        EXPECT_EQ(b.fontSize, c.buttonSize) << fields;
    }
}

TEST(TimedStarts, TimesAreNormalised) {
    struct Case {
        const char* time;
        const char* stored;
    } cases[] = {
        {"7:5", "07:05"}, {" 23:59 ", "23:59"}, {"0:0", "00:00"}, {":30", "00:30"}, {"12:5x", "12:05"}};
    for (const auto& c : cases) {
        DefinitionFixture f;
        ASSERT_TRUE(f.Runtime(Lines({"[VER8.05]", std::string("AFT1,") + c.time + ",3,4"})).ok()) << c.time;
        EXPECT_EQ(f.def->ElapsedStart(1).time, c.stored);
        EXPECT_EQ(f.def->ElapsedStart(1).page, 3);
        EXPECT_EQ(f.def->ElapsedStart(1).button, 4);
    }
}

TEST(TimedStarts, ButtonLimitFollowsTheModeReadSoFar) {
    DefinitionFixture f;
    EXPECT_TRUE(f.Runtime(Lines({"[VER8.05]", "[MODE9]", "TIM1,12:00,1,24", "[PAGE1]",
                                 "CMD24,,OFF,\"x\",,,,,,,,END,,,"}))
                    .ok());
    const ReadResult r = f.Runtime(Lines({"[VER8.05]", "TIM1,12:00,1,24", "[MODE9]"}));
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, 25);
}

TEST(Commands, ActionsFromCommandTexts) {
    struct Case {
        const char* command;
        const char* option;
        ButtonAction action;
        int targetPage;
        int runOption;
        const char* program;
        const char* arguments;
    } cases[] = {
        {"END", "1", ButtonAction::End, 0, 0, "", ""},
        {"scr", "1", ButtonAction::ScreenSaver, 0, 0, "", ""},
        {"LOFF", "", ButtonAction::Logoff, 0, 0, "", ""},
        {"SDWN", "1", ButtonAction::ConfirmShutdown, 0, 0, "", ""},
        {"POFF", "2", ButtonAction::PowerOff, 0, 0, "", ""},
        {"REBT", "1", ButtonAction::ConfirmReboot, 0, 0, "", ""},
        {"PAGE12", "", ButtonAction::Page, 12, 0, "", ""},
        {"\"CMD:\"", "", ButtonAction::None, 0, 0, "", ""},
        {"\"CMD:http://Example.com/x.exe a\"", "9", ButtonAction::Run, 0, 0, "http://Example.com/x.exe", "a"},
        {"\"CMD:C:\\TOOLS\\START.EXE\"", "-1", ButtonAction::Run, 0, 0, "C:\\TOOLS\\START.EXE", ""},
        {"\"RSDWN:PC1 good night\"", "1", ButtonAction::ConfirmRemoteShutdown, 0, 0, "PC1", "good night"},
        {"\"rrebt:PC2\"", "", ButtonAction::RemoteReboot, 0, 0, "PC2", ""},
        {"\"RMSG:PC3  hello \"", "1", ButtonAction::RemoteMessage, 0, 0, "PC3", "hello"},
        {"\"RCTL:PC4 99 12\"", "", ButtonAction::RemoteControl, 99, 12, "PC4", ""},
    };
    for (const auto& c : cases) {
        for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
            DefinitionFixture f;
            const ReadResult r =
                f.Read(Lines({"[VER8.05]", "[PAGE1]",
                              std::string("CMD1,,OFF,,,,,,,,,") + c.command + "," + c.option + ",,"}),
                       kind);
            ASSERT_TRUE(r.ok()) << c.command << " " << (r.failures.empty() ? "" : r.failures[0].detail);
            const MenuButton& b = f.def->Page(1).Button(1);
            EXPECT_EQ(b.action, c.action) << c.command;
            EXPECT_EQ(b.targetPage, c.targetPage) << c.command;
            EXPECT_EQ(b.runOption, c.runOption) << c.command;
            EXPECT_EQ(b.program, c.program) << c.command;
            EXPECT_EQ(b.arguments, c.arguments) << c.command;
        }
    }
}

TEST(Commands, AWorkingFolderOfOneCharacterIsNoFolderToCheck) {
    struct Case {
        const char* folder;
        bool fails;
        const char* kept;  // by the editor, which keeps a folder that fails as written
    } cases[] = {{"", false, ""},    {"X", false, ""},       {" 漢 ", false, ""},
                 {"XY", true, "XY"}, {"漢字", true, "漢字"}, {"C:\\WORK", false, "C:\\WORK"}};
    for (const auto& c : cases) {
        DefinitionFixture f;
        const ReadResult r = f.Editor(
            Lines({"[VER8.05]", "[PAGE1]",
                   std::string("CMD1,,OFF,\"x\",,,,,,,\"") + c.folder + "\",\"CMD:NOTEPAD.EXE\",0,,"}));
        EXPECT_EQ(r.failures.size(), c.fails ? 1u : 0u) << c.folder;
        EXPECT_EQ(f.def->Page(1).Button(1).workFolder, c.kept) << c.folder;
    }
}

TEST(Commands, IncompleteRemoteControlDiffersBetweenReaders) {
    for (const char* command : {"\"RCTL:PC1 3\"", "\"RCTL:PC1\"", "\"RCTL:\""}) {
        DefinitionFixture f;
        const std::string text =
            Lines({"[VER8.05]", "[PAGE1]", std::string("CMD1,,OFF,\"x\",,,,,,,,") + command + ",,,"});
        EXPECT_TRUE(f.Runtime(text).ok()) << command;
        EXPECT_EQ(f.def->Page(1).Button(1).action, ButtonAction::None) << command;
        const ReadResult e = f.Editor(text);
        ASSERT_EQ(e.failures.size(), 1u) << command;
        EXPECT_EQ(e.failures[0].rule, 26);
        EXPECT_EQ(f.def->Page(1).Button(1).action, ButtonAction::RemoteControl) << command;
    }
}

TEST(RelativePaths, RuntimePrefixesTheFolderEditorKeepsTheBase) {
    DefinitionFixture f;
    const std::string text =
        Lines({"[VER8.05]", "STR1,\"calc.exe /s\",0", "[PAGE1]", "VARTITLE,,\"PIC:back.bmp\",0",
               "CMD1,\"tv.ico|3\",OFF,\"x\",,,,,,,,\"CMD:tool.exe\",0,,"});
    ASSERT_TRUE(f.Runtime(text).ok());
    EXPECT_EQ(f.def->StartProgram(1).program, "C:\\WINDOWS\\SYSTEM32\\calc.exe");
    EXPECT_EQ(f.def->StartProgram(1).arguments, "/s");
    EXPECT_EQ(f.def->Page(1).barTitle.picture, "C:\\MENU\\BACK.BMP");
    EXPECT_EQ(f.def->Page(1).Button(1).icon, "C:\\TORVA\\tv.ico|3");
    EXPECT_EQ(f.def->Page(1).Button(1).program, "C:\\MENU\\tool.exe");
    ASSERT_TRUE(f.Editor(text).ok());
    EXPECT_EQ(f.def->StartProgram(1).program, "calc.exe");
    EXPECT_EQ(f.def->StartProgram(1).pathBase, 4);
    EXPECT_EQ(f.def->Page(1).barTitle.picture, "BACK.BMP");
    EXPECT_EQ(f.def->Page(1).barTitle.pathBase, 1);
    EXPECT_EQ(f.def->Page(1).Button(1).icon, "tv.ico|3");
    EXPECT_EQ(f.def->Page(1).Button(1).iconBase, 2);
    EXPECT_EQ(f.def->Page(1).Button(1).program, "tool.exe");
    EXPECT_EQ(f.def->Page(1).Button(1).programBase, 1);
}

TEST(Reading, PagesAddUpCommentsAndBlankLinesDoNotClosePages) {
    DefinitionFixture f;
    ASSERT_TRUE(f.Editor(Lines({"*,one", "[VER8.05]", "[PAGE2]", "CMD1,,OFF,\"a\",,,,,,,,END,,,", "*,two", "",
                                "CMD2,,OFF,\"b\",,,,,,,,END,,,", "[PAGE1]", "[page2]",
                                "CMD3,,OFF,\"c\",,,,,,,,END,,,"}))
                    .ok());
    EXPECT_EQ(f.def->comments, (std::vector<std::string>{"one", "two"}));
    const MenuPage& p2 = f.def->Page(2);
    EXPECT_EQ(p2.Button(1).caption, "a");
    EXPECT_EQ(p2.Button(2).caption, "b");
    EXPECT_EQ(p2.Button(3).caption, "c");
    ASSERT_TRUE(
        f.Runtime(Lines({"*,one", "[VER8.05]", "[PAGE1]", "*,two", "CMD2,,OFF,\"b\",,,,,,,,END,,,"})).ok());
    EXPECT_TRUE(f.def->comments.empty());
    EXPECT_EQ(f.def->Page(1).Button(2).caption, "b");
}

TEST(Reading, ShiftJisBytesAreDecodedAndInvalidOnesCounted) {
    DefinitionFixture f;
    // "表" is 0x95 0x5C in Shift-JIS: its second byte is a backslash and must not split anything.
    std::string bytes = "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"\x95\x5C\",,,,,,,,END,,,\r\n";
    const ReaderContext context{ReaderPolicy::Editor(), f.folders, f.files, testing::kDefinitionPath};
    ASSERT_TRUE(readDefinitionBytes(bytes, *f.def, context).ok());
    EXPECT_EQ(f.def->Page(1).Button(1).caption, "表");
    bytes = "[VER8.05]\r\n[PAGE1]\r\nCMD1,,OFF,\"\x85\x40\",,,,,,,,END,,,\r\n";
    const ReadResult r = readDefinitionBytes(bytes, *f.def, context);
    EXPECT_GT(r.invalidBytes, 0u);
}

}  // namespace
}  // namespace torva::definition
