// What the runtime keeps when "[NCHK]" passes a failure over, against what the editor keeps.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/definition/definition_fixture.h"

namespace torva::definition {
namespace {

using testing::DefinitionFixture;
using testing::Lines;
using testing::Page1;

struct NoCheckCase {
    const char* name;
    std::string body;  // after "[VER8.05]", "[NCHK]"
    std::vector<int> rules;
    std::function<void(const MenuDefinition&)> runtime;  // the runtime's model after passing over
    std::function<void(const MenuDefinition&)> editor;   // the editor's model after reporting
};

const MenuButton& B(const MenuDefinition& d, int n) {
    return d.Page(1).Button(n);
}

std::vector<NoCheckCase> Cases() {
    return {
        {"PageAgainSkipsItsLines",
         Page1({"CMD1,,OFF,\"first\",,,,,,,,END,,,"}) +
             Lines({"[PAGE1]", "CMD1,,OFF,\"second\",,,,,,,,SCR,,,", "[MODE9]", "[PAGE2]",
                    "CMD2,,OFF,\"p2\",,,,,,,,END,,,"}),
         {3},
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 1).caption, "first");
             EXPECT_EQ(d.displayMode, 1);  // skipped with the page's lines
             EXPECT_EQ(d.Page(2).Button(2).caption, "p2");
         },
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 1).caption, "second"); }},
        {"PageOutOfRangeMarksNoPage",
         Page1({}) + Lines({"[PAGE0]", "CMD1,,OFF,\"lost\",,,,,,,,END,,,"}),
         {3},
         [](const MenuDefinition& d) { EXPECT_TRUE(B(d, 1).caption.empty()); },
         [](const MenuDefinition& d) { EXPECT_TRUE(B(d, 1).caption.empty()); }},
        {"ButtonOutOfRangeDropsLine",
         Page1({"CMD13,,OFF,\"x\",,,,,,,,END,,,"}),
         {4},
         [](const MenuDefinition& d) {
             for (const auto& b : d.Page(1).buttons) EXPECT_EQ(b, MenuButton{});
         },
         [](const MenuDefinition& d) { EXPECT_EQ(d.Page(1).Button(13), MenuButton{}); }},
        {"IconMissingNotStored",
         Page1({"CMD3,\"C:\\X\\NONE.ICO\",OFF,\"x\",,,,,,,,END,,,"}),
         {5},
         [](const MenuDefinition& d) {
             EXPECT_TRUE(B(d, 3).icon.empty());
             EXPECT_EQ(B(d, 3).caption, "x");
             EXPECT_EQ(B(d, 3).action, ButtonAction::End);
         },
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 3).icon, "C:\\X\\NONE.ICO");  // kept, so that saving does not erase it
             EXPECT_EQ(B(d, 3).iconBase, 0);
             EXPECT_EQ(B(d, 3).caption, "x");
         }},
        {"IconOfWrongKindStaysStoredInRuntime",
         Page1({"CMD3,\"C:\\X\\A.BMP\",OFF,\"x\",,,,,,,,END,,,"}),
         {6},
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 3).icon, "C:\\X\\A.BMP"); },
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 3).icon, "C:\\X\\A.BMP");
             EXPECT_EQ(B(d, 3).caption, "x");
         }},
        {"IconRootPathNotStored",
         Page1({"CMD3,\"\\A.ICO\",OFF,\"x\",,,,,,,,END,,,"}),
         {6},
         [](const MenuDefinition& d) { EXPECT_TRUE(B(d, 3).icon.empty()); },
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 3).icon, "\\A.ICO"); }},
        {"CommandMissingBecomesErrProgram",
         Page1({"CMD2,,OFF,\"x\",,,,,,,,\"CMD:C:\\NO\\X.EXE -a\",3,,"}),
         {7},
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 2).program, "(ERR)");
             EXPECT_EQ(B(d, 2).action, ButtonAction::Run);
             EXPECT_EQ(B(d, 2).arguments, "-a");
             EXPECT_EQ(B(d, 2).runOption, 3);
         },
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 2).program, "C:\\NO\\X.EXE");
             EXPECT_EQ(B(d, 2).programBase, 0);
             EXPECT_EQ(B(d, 2).action, ButtonAction::Run);
             EXPECT_EQ(B(d, 2).arguments, "-a");
             EXPECT_EQ(B(d, 2).runOption, 3);
         }},
        {"CommandRootPathBecomesErrProgram",
         Page1({"CMD2,,OFF,\"x\",,,,,,,,\"CMD:\\X.EXE\",0,,"}),
         {8},
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 2).program, "(ERR)"); },
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 2).program, "\\X.EXE");
             EXPECT_EQ(B(d, 2).action, ButtonAction::Run);
         }},
        {"StartNumberDropsLine",
         Lines({"STR3,\"C:\\TOOLS\\START.EXE\",1", "END0,\"C:\\TOOLS\\START.EXE\",1"}),
         {9, 10},
         [](const MenuDefinition& d) {
             for (const auto& e : d.startPrograms) EXPECT_FALSE(e.used());
             for (const auto& e : d.endPrograms) EXPECT_FALSE(e.used());
         },
         nullptr},
        {"EntryWithoutProgramKeepsArgumentsAndWait",
         Lines(
             {"STR1,\"C:\\NO.EXE -q\",1", "END2,\"\\A.EXE -z\",1", "STR2,\"<C:\\TOOLS\\START.EXE> -ok\",1"}),
         {11, 14},
         [](const MenuDefinition& d) {
             EXPECT_FALSE(d.StartProgram(1).used());
             EXPECT_EQ(d.StartProgram(1).arguments, "-q");
             EXPECT_EQ(d.StartProgram(1).waitMode, 1);
             EXPECT_FALSE(d.EndProgram(2).used());
             EXPECT_EQ(d.EndProgram(2).arguments, "-z");
             EXPECT_EQ(d.StartProgram(2).program, "C:\\TOOLS\\START.EXE");
         },
         [](const MenuDefinition& d) {
             EXPECT_EQ(d.StartProgram(1).program, "C:\\NO.EXE");
             EXPECT_EQ(d.StartProgram(1).arguments, "-q");
             EXPECT_EQ(d.EndProgram(2).program, "\\A.EXE");
         }},
        {"PictureFailsKeepsWaitMode",
         Page1({"VARTITLE,\"bar\",\"PIC:C:\\NO.BMP\",3"}),
         {15},
         [](const MenuDefinition& d) {
             EXPECT_TRUE(d.Page(1).barTitle.picture.empty());
             EXPECT_EQ(d.Page(1).barTitle.backColour, kDefaultBackColour);
             EXPECT_EQ(d.Page(1).pageWaitMode, 3);
             EXPECT_EQ(d.Page(1).barTitle.text, "bar");
         },
         [](const MenuDefinition& d) {
             EXPECT_EQ(d.Page(1).barTitle.picture, "C:\\NO.BMP");
             EXPECT_EQ(d.Page(1).barTitle.backColour, kDefaultBackColour);
         }},
        {"ModeKeepsPreviousValue",
         Lines({"[MODE9]", "[MODE12]", "[PAGE1]", "CMD24,,OFF,\"x\",,,,,,,,END,,,"}),
         {17},
         [](const MenuDefinition& d) {
             EXPECT_EQ(d.displayMode, 9);
             EXPECT_EQ(d.Page(1).Button(24).caption, "x");
         },
         nullptr},
        {"WorkFolderDropped",
         Page1({"CMD1,,OFF,\"x\",,,,,,,\"C:\\NOFOLDER\",\"CMD:NOTEPAD.EXE\",0,,"}),
         {18},
         [](const MenuDefinition& d) {
             EXPECT_TRUE(B(d, 1).workFolder.empty());
             EXPECT_EQ(B(d, 1).action, ButtonAction::Run);
         },
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 1).workFolder, "C:\\NOFOLDER"); }},
        {"PageTargetLeavesNoAction",
         Page1({"CMD1,,OFF,\"x\",,,,,,,,PAGE100,,,"}),
         {19},
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 1).action, ButtonAction::None);
             EXPECT_EQ(B(d, 1).caption, "x");
         },
         nullptr},
        {"TimedStartFailingPartsOnly",
         Lines({"TIM1,25:00,1,2", "AFT2,7:5,100,3"}),
         {23, 24},
         [](const MenuDefinition& d) {
             EXPECT_EQ(d.ClockStart(1).time, "");
             EXPECT_EQ(d.ClockStart(1).page, 1);
             EXPECT_EQ(d.ClockStart(1).button, 2);
             EXPECT_EQ(d.ElapsedStart(2).time, "07:05");
             EXPECT_EQ(d.ElapsedStart(2).page, 0);
             EXPECT_EQ(d.ElapsedStart(2).button, 3);
         },
         [](const MenuDefinition& d) {
             EXPECT_EQ(d.ClockStart(1).page, 1);
             EXPECT_EQ(d.ElapsedStart(2).time, "07:05");
         }},
        {"RemoteControlBadTarget",
         Page1({"CMD5,,OFF,\"x\",,,,,,,,\"RCTL:PC1 1 13\",,,"}),
         {26},
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 5).action, ButtonAction::None); },
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 5).action, ButtonAction::RemoteControl);
             EXPECT_EQ(B(d, 5).targetPage, 1);
             EXPECT_EQ(B(d, 5).runOption, 0);
         }},
        {"PageStartFailures",
         Page1({"PSTR3,\"C:\\TOOLS\\START.EXE\",0", "PSTR1,\"C:\\NO.EXE /a\",1", "PSTR2,\"\\B.EXE\",1"}),
         {27, 28, 29},
         [](const MenuDefinition& d) {
             EXPECT_FALSE(d.Page(1).PageStart(1).used());
             EXPECT_EQ(d.Page(1).PageStart(1).arguments, "/a");
             EXPECT_EQ(d.Page(1).PageStart(1).waitMode, 1);
             EXPECT_FALSE(d.Page(1).PageStart(2).used());
         },
         [](const MenuDefinition& d) {
             EXPECT_EQ(d.Page(1).PageStart(1).program, "C:\\NO.EXE");
             EXPECT_EQ(d.Page(1).PageStart(2).program, "\\B.EXE");
         }},
        {"UnknownCommandDropsLine",
         Page1({"CMD1,,OFF,\"old\",,,,,,,,END,,,", "CMD1,,OFF,\"new\",,,,,,,,XYZ,,,", "OTHER,1"}),
         {90, 90},
         [](const MenuDefinition& d) { EXPECT_EQ(B(d, 1).caption, "old"); },
         [](const MenuDefinition& d) {
             EXPECT_EQ(B(d, 1).caption, "new");
             EXPECT_EQ(B(d, 1).action, ButtonAction::None);
         }},
    };
}

class NoCheckTest : public ::testing::TestWithParam<NoCheckCase> {};

TEST_P(NoCheckTest, RuntimePassesOverAndKeepsWhatTheRulesSay) {
    const NoCheckCase& c = GetParam();
    DefinitionFixture f;
    const ReadResult r = f.Runtime("[VER8.05]\r\n[NCHK]\r\n" + c.body);
    EXPECT_FALSE(r.stopped);
    ASSERT_EQ(r.failures.size(), c.rules.size());
    for (std::size_t i = 0; i < c.rules.size(); ++i) {
        EXPECT_EQ(r.failures[i].rule, c.rules[i]);
        EXPECT_TRUE(r.failures[i].passedOver);
    }
    c.runtime(*f.def);
}

TEST_P(NoCheckTest, WithoutNoCheckRuntimeStopsAtFirst) {
    const NoCheckCase& c = GetParam();
    DefinitionFixture f;
    const ReadResult r = f.Runtime("[VER8.05]\r\n" + c.body);
    EXPECT_TRUE(r.stopped);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, c.rules[0]);
    EXPECT_FALSE(r.failures[0].passedOver);
}

TEST_P(NoCheckTest, EditorReportsEveryFailureAndGoesOn) {
    const NoCheckCase& c = GetParam();
    DefinitionFixture f;
    // The editor reads "[NCHK]" as an option only.
    const ReadResult r = f.Editor("[VER8.05]\r\n[NCHK]\r\n" + c.body);
    EXPECT_FALSE(r.stopped);
    EXPECT_TRUE(f.def->options.noCheck);
    const bool editorAcceptsPageAgain = std::string(c.name) == "PageAgainSkipsItsLines";
    const bool editorIgnoresUnknownKey = std::string(c.name) == "UnknownCommandDropsLine";
    std::vector<int> expected = c.rules;
    if (editorAcceptsPageAgain) expected.clear();
    if (editorIgnoresUnknownKey) expected = {90};
    ASSERT_EQ(r.failures.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(r.failures[i].rule, expected[i]);
        EXPECT_FALSE(r.failures[i].passedOver);
    }
    if (c.editor) c.editor(*f.def);
}

INSTANTIATE_TEST_SUITE_P(Effects, NoCheckTest, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NoCheck, TakesEffectOnlyForLinesAfterIt) {
    DefinitionFixture f;
    const ReadResult r = f.Runtime(Lines({"[VER8.05]", "STR1,\"C:\\NO.EXE\",0", "[NCHK]", "[PAGE1]"}));
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_FALSE(r.failures[0].passedOver);
    EXPECT_TRUE(r.stopped);
    EXPECT_FALSE(f.def->Page(1).defined);
}

TEST(NoCheck, ErrorCodeIsResetAtEachPageLineSoLaterChecksStillRun) {
    DefinitionFixture f;
    const ReadResult r =
        f.Runtime(Lines({"[VER8.05]", "[NCHK]", "[PAGE1]", "CMD1,\"C:\\NO.ICO\",OFF,,,,,,,,,END,,,",
                         "CMD2,\"C:\\X\\A.BMP\",OFF,,,,,,,,,END,,,", "VARTITLE,\"t\",B,0"}));
    ASSERT_EQ(r.failures.size(), 2u);
    EXPECT_EQ(r.failures[0].rule, 5);
    EXPECT_EQ(r.failures[1].rule, 6);
    EXPECT_EQ(r.error.code, 0);  // the good bar title line started with a reset
    EXPECT_EQ(f.def->Page(1).barTitle.backColour, 0xFF0000u);
}

TEST(NoCheck, ErrorCodeStays3WhileLinesAreSkipped) {
    DefinitionFixture f;
    const ReadResult r =
        f.Runtime(Lines({"[VER8.05]", "[NCHK]", "[PAGE1]", "[PAGE1]", "CMD1,,OFF,,,,,,,,,XYZ,,,"}));
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.error.code, 3);
}

TEST(NoCheck, ErrorCodeIs999BeforeTheFirstPageAndZeroAfterAGoodOne) {
    DefinitionFixture f;
    EXPECT_EQ(f.Runtime(Lines({"[VER8.05]", "[MODE2]"})).error.code, 999);
    EXPECT_EQ(f.Runtime(Lines({"[VER8.05]", "[PAGE1]"})).error.code, 0);
}

}  // namespace
}  // namespace torva::definition
