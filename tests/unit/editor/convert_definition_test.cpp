#include "definition/convert_definition.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/cp932.h"
#include "common/run_error.h"
#include "definition/rules.h"
#include "fakes.h"

namespace torva::editor {
namespace {

using namespace torva::definition;

using definition::ButtonAction;
using definition::MenuDefinition;
using definition::ReadResult;

class ConvertTest : public ::testing::Test {
  protected:
    ConvertTest() : def(std::make_unique<MenuDefinition>()) {
        files.AddFolders({"C:\\Tools", "C:\\Work"});
        files.AddFiles({"C:\\Tools\\a.exe", "C:\\Tools\\i.ico", "C:\\Tools\\pic.bmp", "C:\\Defs\\rel.exe",
                        "C:\\WINDOWS\\notepad.exe", "C:\\WINDOWS\\system32\\calc.exe"});
    }

    ReadResult Convert(const std::string& text) {
        const ConvertContext context{
            {"C:\\Defs", "C:\\Prog", "C:\\WINDOWS", "C:\\WINDOWS\\system32"}, files, "C:\\Defs\\OLD.TVX"};
        return convertDefinitionBytes(Utf8ToCp932(text), *def, context);
    }

    const definition::MenuButton& Button(int page, int n) const { return def->Page(page).Button(n); }

    testing::FakeFileSystem files;
    std::unique_ptr<MenuDefinition> def;
};

std::vector<int> Rules(const ReadResult& r) {
    std::vector<int> rules;
    for (const auto& f : r.failures) rules.push_back(f.rule);
    return rules;
}

TEST_F(ConvertTest, ButtonLineFormsAreToldApartByTheCommandText) {
    struct Case {
        const char* line;
        ButtonAction action;
        definition::Colour fore, back;
        const char* workFolder;
        const char* program;
        uint8_t targetPage, runOption;
    };
    constexpr definition::Colour kText = definition::kDefaultTextColour;
    constexpr definition::Colour kBack = definition::kDefaultBackColour;
    const Case cases[] = {
        // caption colour, command, option
        {"CMD1,,OFF,\"A\",R,PAGE2,", ButtonAction::Page, 0x0000FF, kBack, "", "", 2, 0},
        // caption colour, button colour, command, option
        {"CMD1,,OFF,\"A\",W,B,\"CMD:C:\\Tools\\a.exe -x\",1", ButtonAction::Run, 0xFFFFFF, 0xFF0000, "",
         "C:\\Tools\\a.exe", 0, 1},
        // caption colour, button colour, working folder, command, option
        {"CMD1,,OFF,\"A\",W,B,\"C:\\Work\",\"CMD:C:\\Tools\\a.exe\",3", ButtonAction::Run, 0xFFFFFF, 0xFF0000,
         "C:\\Work", "C:\\Tools\\a.exe", 0, 3},
        // empty colour fields keep the defaults
        {"CMD1,,OFF,\"A\",,,,END,", ButtonAction::End, kText, kBack, "", "", 0, 0},
        {"CMD1,,OFF,\"A\",,,\"C:\\Work\",end,", ButtonAction::End, kText, kBack, "", "", 0, 0},
        // the confirmation option turns the system commands into their asking forms
        {"CMD1,,OFF,\"A\",M,SDWN,1", ButtonAction::ConfirmShutdown, 0, kBack, "", "", 0, 0},
        {"CMD1,,OFF,\"A\",M,LOFF,0", ButtonAction::Logoff, 0, kBack, "", "", 0, 0},
        {"CMD1,,OFF,\"A\",M,G,POFF,1", ButtonAction::ConfirmPowerOff, 0, 0x00FF00, "", "", 0, 0},
        {"CMD1,,OFF,\"A\",M,G,rebt,", ButtonAction::Reboot, 0, 0x00FF00, "", "", 0, 0},
        // a wait mode beyond 4 reads as 0; "CMD:" with nothing after it does nothing
        {"CMD1,,OFF,\"A\",M,\"CMD:a.exe\",9", ButtonAction::None, 0, kBack, "", "", 0, 0},
        {"CMD1,,OFF,\"A\",M,\"CMD:C:\\Tools\\a.exe\",9", ButtonAction::Run, 0, kBack, "", "C:\\Tools\\a.exe",
         0, 0},
        {"CMD1,,OFF,\"A\",M,\"CMD:\",", ButtonAction::None, 0, kBack, "", "", 0, 0},
    };
    for (const Case& c : cases) {
        const ReadResult r = Convert(std::string("[PAGE1]\r\n") + c.line + "\r\n");
        const auto& b = Button(1, 1);
        EXPECT_EQ(b.caption, "A") << c.line;
        EXPECT_EQ(b.action, c.action) << c.line;
        EXPECT_EQ(b.foreColour, c.fore) << c.line;
        EXPECT_EQ(b.backColour, c.back) << c.line;
        EXPECT_EQ(b.workFolder, c.workFolder) << c.line;
        EXPECT_EQ(b.program, c.program) << c.line;
        EXPECT_EQ(b.targetPage, c.targetPage) << c.line;
        EXPECT_EQ(b.runOption, c.runOption) << c.line;
        EXPECT_TRUE(b.fontName.empty() && b.comment.empty() && b.password.empty() && b.guide.empty())
            << c.line;
        if (std::string(c.line).find("CMD:a.exe") != std::string::npos) {
            EXPECT_EQ(Rules(r), std::vector<int>{definition::kRuleCommandNotFound});
        } else {
            EXPECT_TRUE(r.ok()) << c.line << " " << (r.failures.empty() ? "" : r.failures[0].detail);
        }
    }
}

TEST_F(ConvertTest, RelativeProgramsAndIconsKeepTheirBase) {
    const ReadResult r = Convert(
        "[PAGE1]\r\n"
        "CMD1,\"rel.exe|2\",ON,\"R\",,\"CMD:rel.exe\",0\r\n"
        "CMD2,\"C:\\Tools\\i.ico\",off,\"N\",,\"CMD:notepad.exe /a\",2\r\n"
        "CMD3,,OFF,\"C\",,\"CMD:<calc.exe> -z\",\r\n");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(Button(1, 1).icon, "rel.exe|2");
    EXPECT_EQ(Button(1, 1).iconBase, definition::kBaseDefinitionFolder);
    EXPECT_TRUE(Button(1, 1).pfKey);
    EXPECT_EQ(Button(1, 1).programBase, definition::kBaseDefinitionFolder);
    EXPECT_EQ(Button(1, 2).icon, "C:\\Tools\\i.ico");
    EXPECT_EQ(Button(1, 2).program, "notepad.exe");
    EXPECT_EQ(Button(1, 2).programBase, definition::kBaseWindowsFolder);
    EXPECT_EQ(Button(1, 2).arguments, "/a");
    EXPECT_EQ(Button(1, 2).runOption, 2);
    EXPECT_EQ(Button(1, 3).program, "calc.exe");
    EXPECT_EQ(Button(1, 3).programBase, definition::kBaseSystemFolder);
    EXPECT_EQ(Button(1, 3).arguments, "-z");
}

TEST_F(ConvertTest, FailuresAreReportedAndReadingGoesOn) {
    struct Case {
        const char* line;
        int rule;
        const char* detail;
    };
    const Case cases[] = {
        {"CMD2,\"C:\\Tools\\pic.bmp\",OFF,\"A\",,END,", 6, "Page = 1 , No = 2 : C:\\Tools\\pic.bmp"},
        {"CMD2,\"C:\\Tools\\gone.ico\",OFF,\"A\",,END,", 5, "Page = 1 , No = 2 : C:\\Tools\\gone.ico"},
        {"CMD2,\"\\x.ico\",OFF,\"A\",,END,", 6, "Page = 1 , No = 2 : \\x.ico"},
        {"CMD2,,OFF,\"A\",,\"CMD:C:\\gone.exe -q\",", 7, "Page = 1 , No = 2 : C:\\gone.exe -q"},
        {"CMD2,,OFF,\"A\",,\"CMD:\\x.exe\",", 8, "Page = 1 , No = 2 : \\x.exe"},
        {"CMD2,,OFF,\"A\",,\"CMD:http://example.com/\",", 7, "Page = 1 , No = 2 : http://example.com/"},
        {"CMD2,,OFF,\"A\",W,B,\"C:\\Nowhere\",\"CMD:C:\\Tools\\a.exe\",", 18,
         "Page = 1 , No = 2 : C:\\Nowhere"},
        {"CMD2,,OFF,\"A\",W,PAGE100,", 19, "Page = 1 , No = 2 : PAGE100"},
        {"CMD2,,OFF,\"A\",W,PAGE0,", 19, "Page = 1 , No = 2 : PAGE0"},
        {"CMD2,,OFF,\"A\",W,B,C:\\Work,SCR,", 90, "エラー = (CMD2)定義行"},
        {"CMD2,,OFF,\"A\",W,B,C:\\Work,\"RMSG:PC1 hi\",", 90, "エラー = (CMD2)定義行"},
        {"CMD13,,OFF,\"A\",,END,", 4, "Page = 1 : CMD13"},
        {"CMD0,,OFF,\"A\",,END,", 4, "Page = 1 : CMD0"},
        {"CMD99999999999,,OFF,\"A\",,END,", 4, "Page = 1 : CMD99999999999"},
    };
    for (const Case& c : cases) {
        const ReadResult r =
            Convert(std::string("[PAGE1]\r\n") + c.line + "\r\nCMD3,,OFF,\"after\",,END,\r\n");
        ASSERT_EQ(Rules(r), std::vector<int>{c.rule}) << c.line;
        EXPECT_EQ(r.failures[0].detail, c.detail) << c.line;
        EXPECT_EQ(r.failures[0].message, definition::RuleMessageText(c.rule, definition::ReaderKind::Editor));
        EXPECT_FALSE(r.stopped) << c.line;
        EXPECT_EQ(Button(1, 3).caption, "after") << c.line;
        // Good values of the failing line stay, unless its number was out of range.
        EXPECT_EQ(Button(1, 2).caption, c.rule == 4 ? "" : "A") << c.line;
    }
}

TEST_F(ConvertTest, ButtonThirteenFailsEvenInTheExtendedMode) {
    const ReadResult r =
        Convert("[MODE9]\r\n[PAGE1]\r\nCMD12,,OFF,\"x\",,END,\r\nCMD13,,OFF,\"y\",,END,\r\n");
    EXPECT_EQ(Rules(r), std::vector<int>{definition::kRuleButtonRange});
    EXPECT_EQ(def->displayMode, 9);
    EXPECT_EQ(Button(1, 12).caption, "x");
    EXPECT_EQ(Button(1, 13).caption, "");
}

TEST_F(ConvertTest, VersionLineDecides) {
    struct Case {
        const char* first;
        bool refused;
    };
    const Case cases[] = {{"[VER5.99]", false}, {"[VER5.00]", false}, {"[VER]", false},    {"[ver4]", false},
                          {"[VER6.00]", true},  {"[VER8.05]", true},  {"[VER5.991]", true}};
    for (const Case& c : cases) {
        const ReadResult r =
            Convert(std::string("*,note\r\n") + c.first + "\r\n[PAGE1]\r\nCMD1,,OFF,\"x\",,END,\r\n");
        if (c.refused) {
            ASSERT_EQ(Rules(r), std::vector<int>{definition::kRuleNotOldVersion}) << c.first;
            EXPECT_EQ(r.failures[0].message, "変換対象旧バージョンのメニュー定義ではありません。");
            EXPECT_EQ(r.failures[0].detail, "通常の読込を行って下さい。");
            EXPECT_TRUE(r.stopped);
            EXPECT_FALSE(def->Page(1).defined);
        } else {
            EXPECT_TRUE(r.ok()) << c.first;
            EXPECT_EQ(Button(1, 1).action, ButtonAction::End) << c.first;
        }
        EXPECT_EQ(def->comments, std::vector<std::string>{"note"});
    }
}

// A version number beyond the single-precision range ends the conversion as the reader ends its
// reading (overflow, the unrecoverable report), whatever its sign; the largest float still compares.
TEST_F(ConvertTest, VersionBeyondTheFloatRangeOverflowsAsInTheReader) {
    const std::string huge = "1" + std::string(39, '0');
    for (const std::string& number : {huge, "-" + huge, huge + ".5"}) {
        SCOPED_TRACE(number);
        const ReadResult r = Convert("[VER" + number + "]\r\n[PAGE1]\r\nCMD1,,OFF,\"x\",,END,\r\n");
        EXPECT_TRUE(r.stopped);
        EXPECT_EQ(r.runErrorNumber, kErrOverflow);
        EXPECT_FALSE(def->Page(1).defined);
    }
    const ReadResult largest = Convert("[VER340282346638528859811704183484516925440]\r\n[PAGE1]\r\n");
    EXPECT_EQ(largest.runErrorNumber, 0);
    EXPECT_EQ(Rules(largest), std::vector<int>{definition::kRuleNotOldVersion});
}

TEST_F(ConvertTest, FileWithoutVersionLineIsConverted) {
    const ReadResult r = Convert("[DCHK]\r\n[PAGE1]\r\nCMD1,,OFF,\"x\",,END,\r\n");
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(def->options.dupCheck);
    EXPECT_EQ(def->formatClass, 3);
}

TEST_F(ConvertTest, NonKeywordLineBeforeFirstPageStops) {
    for (const char* line : {"CMD1,,OFF,\"x\",,END,", "VARTITLE,\"t\",B,0", "AFT1,00:10,1,1", "[TIMER]"}) {
        const ReadResult r =
            Convert(std::string("[VER5.00]\r\n") + line + "\r\n[PAGE1]\r\nCMD2,,OFF,\"y\",,END,\r\n");
        ASSERT_EQ(Rules(r), std::vector<int>{definition::kRuleNotBeforePage}) << line;
        EXPECT_TRUE(r.stopped);
        EXPECT_FALSE(def->Page(1).defined) << line;
    }
}

TEST_F(ConvertTest, OptionsProgramsTitlesAndBarTitles) {
    const ReadResult r = Convert(
        "*,Old menu\r\n"
        "[VER5.00]\r\n[DCHK]\r\n[NCHK]\r\n[PSUP]\r\n[PKEY]\r\n[NCTL]\r\n[MODE2]\r\n[PSAVE]\r\n[FRAME]\r\n"
        "[STREND]\r\n"
        "STR1,\"C:\\Tools\\a.exe -s\",1\r\n"
        "END2,\"<notepad.exe> x.txt\",7\r\n"
        "[PAGE2]\r\n"
        "VARTITLE,\"Office\",\"PIC:C:\\Tools\\pic.bmp\",3\r\n"
        "TITLE1,\"Main\",W,B\r\n"
        "TITLE2,\"Sub\",,\r\n"
        "PSTR1,\"C:\\Tools\\a.exe\",0\r\n"
        "[PAGE1]\r\n"
        "VARTITLE,\"Home\",b1,0\r\n");
    EXPECT_TRUE(r.ok()) << (r.failures.empty() ? "" : r.failures[0].detail);
    const auto& o = def->options;
    EXPECT_TRUE(o.dupCheck && o.noCheck && o.pathSuppress && o.pageKey && o.noControlBox && o.positionSave &&
                o.outerFrame);
    EXPECT_FALSE(o.trayIcon || o.remoteControl || o.noFunctionKeys);
    EXPECT_EQ(def->displayMode, 2);
    EXPECT_EQ(def->StartProgram(1).program, "C:\\Tools\\a.exe");
    EXPECT_EQ(def->StartProgram(1).arguments, "-s");
    EXPECT_EQ(def->StartProgram(1).waitMode, 1);
    EXPECT_EQ(def->EndProgram(2).program, "notepad.exe");
    EXPECT_EQ(def->EndProgram(2).pathBase, definition::kBaseWindowsFolder);
    EXPECT_EQ(def->EndProgram(2).arguments, "x.txt");
    EXPECT_EQ(def->EndProgram(2).waitMode, 0);
    const auto& p2 = def->Page(2);
    EXPECT_TRUE(p2.defined);
    EXPECT_EQ(p2.barTitle.text, "Office");
    EXPECT_EQ(p2.barTitle.picture, "C:\\TOOLS\\PIC.BMP");  // the colour field is read upper-cased
    EXPECT_EQ(p2.barTitle.backColour, definition::kDefaultBackColour);
    EXPECT_EQ(p2.pageWaitMode, 3);
    EXPECT_EQ(p2.Title(1).text, "Main");
    EXPECT_EQ(p2.Title(1).foreColour, 0xFFFFFFu);
    EXPECT_EQ(p2.Title(1).backColour, 0xFF0000u);
    EXPECT_EQ(p2.Title(1).fontName, "");
    EXPECT_EQ(p2.Title(1).fontSize, 0);
    EXPECT_EQ(p2.Title(2).foreColour, definition::kDefaultTextColour);
    EXPECT_FALSE(p2.PageStart(1).used());  // the old format has no page start programs
    EXPECT_EQ(def->Page(1).barTitle.backColour, 0xFFC0C0u);
    EXPECT_FALSE(def->commonBackground);
    EXPECT_EQ(def->comments, std::vector<std::string>{"Old menu"});
}

TEST_F(ConvertTest, OldProgramAndPictureFailures) {
    const ReadResult r = Convert(
        "STR3,\"C:\\Tools\\a.exe\",0\r\nSTR1,\"http://x/\",0\r\nEND1,\"\\a.exe\",0\r\n[MODE10]\r\n"
        "[PAGE100]\r\nCMD1,,OFF,\"skipped\",,END,\r\n[PAGE1]\r\nVARTITLE,\"t\",\"PIC:gone.bmp\",0\r\n");
    EXPECT_EQ(Rules(r), (std::vector<int>{9, 11, 14, 17, 3, 15}));
    EXPECT_EQ(r.failures[1].detail, "No = 1 : http://x/");
    EXPECT_EQ(r.failures[5].detail, "Page = 1 : PIC:GONE.BMP");
    EXPECT_FALSE(r.stopped);
    EXPECT_EQ(def->displayMode, 1);
    EXPECT_TRUE(def->Page(1).defined);
    EXPECT_EQ(def->Page(1).barTitle.picture, "");
}

TEST_F(ConvertTest, CommonBarTitleNeedsAgreementAndPageOne) {
    struct Case {
        const char* text;
        bool common;
    };
    const Case cases[] = {
        {"[PAGE1]\r\nVARTITLE,\"O\",B1,0\r\n[PAGE2]\r\nVARTITLE,\"O\",B1,0\r\n[PAGE5]\r\nVARTITLE,\"O\",B1,"
         "0\r\n",
         true},
        {"[PAGE1]\r\nVARTITLE,\"O\",B1,0\r\n[PAGE2]\r\nVARTITLE,\"X\",B1,0\r\n", false},
        {"[PAGE1]\r\nVARTITLE,\"O\",B1,0\r\n[PAGE2]\r\nVARTITLE,\"O\",B1,1\r\n", false},
        {"[PAGE2]\r\nVARTITLE,\"O\",B1,0\r\n[PAGE3]\r\nVARTITLE,\"O\",B1,0\r\n", false},
        {"[PAGE1]\r\nVARTITLE,\"O\",B1,0\r\n", false},
    };
    for (const Case& c : cases) {
        Convert(c.text);
        EXPECT_EQ(def->commonBackground, c.common) << c.text;
    }
}

TEST_F(ConvertTest, MissingSourceIsARunTimeFailure) {
    const ConvertContext context{
        {"C:\\Defs", "C:\\Prog", "C:\\WINDOWS", "C:\\WINDOWS\\system32"}, files, "C:\\Defs\\NONE.TVX"};
    def->Page(4).defined = true;
    const ReadResult r = convertDefinitionFile(*def, context);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.runErrorNumber, kErrFileNotFound);
    EXPECT_EQ(r.error.code, kConvertLocation);
    EXPECT_FALSE(def->Page(4).defined);
}

}  // namespace
}  // namespace torva::editor
