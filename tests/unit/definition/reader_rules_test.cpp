// Every validation rule: its number, message and detail, and whether each reader stops on it.
#include <gtest/gtest.h>

#include "definition/rules.h"
#include "tests/unit/definition/definition_fixture.h"

namespace torva::definition {
namespace {

using testing::DefinitionFixture;
using testing::Lines;
using testing::Page1;

struct RuleCase {
    const char* name;
    std::string body;  // lines after "[VER8.05]" and "[MODE1]"
    int rule;
    std::string detail;
    bool editorToo = true;  // the editor may open any page 1..99 again
};

const RuleCase kRuleCases[] = {
    {"StrayLine", Lines({"FOO,1"}), 1, "FOO"},
    {"PageAgain", Page1({}) + "[PAGE1]\r\n", 3, "[PAGE1]", false},
    {"PageTooHigh", Page1({}) + "[page100]\r\n", 3, "[PAGE100]"},
    {"ButtonTooHigh", Page1({"CMD13,,OFF,\"x\",,,,,,,,END,,,"}), 4, "Page = 1 : CMD13"},
    {"ButtonZero", Page1({"CMDX,,OFF,\"x\",,,,,,,,END,,,"}), 4, "Page = 1 : CMDX"},
    {"IconMissing", Page1({"CMD3,\"C:\\X\\NONE.ICO\",OFF,\"x\",,,,,,,,END,,,"}), 5,
     "Page = 1 , No = 3 : C:\\X\\NONE.ICO"},
    {"IconWrongKind", Page1({"CMD3,\"C:\\X\\A.BMP\",OFF,\"x\",,,,,,,,END,,,"}), 6,
     "Page = 1 , No = 3 : C:\\X\\A.BMP"},
    {"IconRootPath", Page1({"CMD4,\"\\A.ICO|2\",OFF,\"x\",,,,,,,,END,,,"}), 6,
     "Page = 1 , No = 4 : \\A.ICO|2"},
    {"CommandMissing", Page1({"CMD2,,OFF,\"x\",,,,,,,,\"CMD:C:\\NO\\X.EXE -a\",0,,"}), 7,
     "Page = 1 , No = 2 : C:\\NO\\X.EXE -a"},
    {"CommandRootPath", Page1({"CMD2,,OFF,\"x\",,,,,,,,\"CMD:\\X.EXE\",0,,"}), 8,
     "Page = 1 , No = 2 : \\X.EXE"},
    {"StartNumber", Lines({"STR3,\"C:\\TOOLS\\START.EXE\",0"}), 9, "STR3"},
    {"EndNumber", Lines({"END0,\"C:\\TOOLS\\START.EXE\",0"}), 10, "END0"},
    {"StartMissing", Lines({"STR1,\"C:\\NO.EXE\",0"}), 11, "No = 1 : C:\\NO.EXE"},
    {"EndMissing", Lines({"END2,\"nothere.exe /x\",1"}), 12, "No = 2 : nothere.exe /x"},
    {"StartRootPath", Lines({"STR2,\"\\A.EXE\",0"}), 13, "No = 2 : \\A.EXE"},
    {"EndRootPath", Lines({"END1,\"\\A.EXE\",0"}), 14, "No = 1 : \\A.EXE"},
    {"PictureMissing", Page1({"VARTITLE,\"x\",\"pic:c:\\no.bmp\",0"}), 15, "Page = 1 : PIC:C:\\NO.BMP"},
    {"PictureRootPath", Page1({"VARTITLE,\"x\",\"PIC: \\A.BMP\",0"}), 16, "Page = 1 : PIC: \\A.BMP"},
    {"ModeZero", Lines({"[MODE0]"}), 17, "[MODE0]"},
    {"ModeTen", Lines({"[MODE10]"}), 17, "[MODE10]"},
    {"WorkFolderMissing", Page1({"CMD1,,OFF,\"x\",,,,,,,\"C:\\NOFOLDER\",\"CMD:NOTEPAD.EXE\",0,,"}), 18,
     "Page = 1 , No = 1 : C:\\NOFOLDER"},
    {"WorkFolderIsFile", Page1({"CMD1,,OFF,\"x\",,,,,,,\"C:\\X\\A.BMP\",\"CMD:NOTEPAD.EXE\",0,,"}), 18,
     "Page = 1 , No = 1 : C:\\X\\A.BMP"},
    {"PageTargetHigh", Page1({"CMD1,,OFF,\"x\",,,,,,,,page100,,,"}), 19, "Page = 1 , No = 1 : page100"},
    {"PageTargetZero", Page1({"CMD1,,OFF,\"x\",,,,,,,,PAGE,,,"}), 19, "Page = 1 , No = 1 : PAGE"},
    {"ElapsedNumber", Lines({"AFT3,12:00,1,1"}), 20, "AFT3"},
    {"ClockNumber", Lines({"TIM0,12:00,1,1"}), 21, "TIM0"},
    {"ElapsedHour", Lines({"AFT1,24:00,1,1"}), 22, "No = 1 : 24:00"},
    {"ElapsedNoColon", Lines({"AFT2,1200,1,1"}), 22, "No = 2 : 1200"},
    {"ClockMinute", Lines({"TIM1,12:60,1,1"}), 23, "No = 1 : 12:60"},
    {"ClockNegative", Lines({"TIM1,-1:00,1,1"}), 23, "No = 1 : -1:00"},
    {"ElapsedPage", Lines({"AFT1,12:00,0,1"}), 24, "No = 1 : 0(1)"},
    {"ClockButton", Lines({"TIM2,12:00,1,13"}), 25, "No = 2 : 1(13)"},
    {"RemoteButton", Page1({"CMD5,,OFF,\"x\",,,,,,,,\"RCTL:PC1 1 13\",,,"}), 26,
     "Page = 1 , No = 5 : RCTL:PC1 1 13"},
    {"RemotePage", Page1({"CMD5,,OFF,\"x\",,,,,,,,\"RCTL:PC1 100 1\",,,"}), 26,
     "Page = 1 , No = 5 : RCTL:PC1 100 1"},
    {"PageStartNumber", Page1({"PSTR3,\"C:\\TOOLS\\START.EXE\",0"}), 27, "Page = 1 : PSTR3"},
    {"PageStartMissing", Page1({"PSTR1,\"C:\\NO.EXE\",0"}), 28, "Page = 1 , No = 1 : C:\\NO.EXE"},
    {"PageStartRootPath", Page1({"PSTR2,\"\\NO.EXE\",0"}), 29, "Page = 1 , No = 2 : \\NO.EXE"},
    {"UnknownCommand", Page1({"cmd1,,OFF,\"x\",,,,,,,,XYZ,,,"}), 90, "エラー = (CMD1)定義行"},
};

class RuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleTest, RuntimeStopsWithRuleMessageAndDetail) {
    const RuleCase& c = GetParam();
    DefinitionFixture f;
    const ReadResult r = f.Runtime("[VER8.05]\r\n[MODE1]\r\n" + c.body);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, c.rule);
    EXPECT_EQ(r.failures[0].message, RuleMessageText(c.rule, ReaderKind::Runtime));
    EXPECT_FALSE(r.failures[0].message.empty());
    EXPECT_EQ(r.failures[0].detail, c.detail);
    EXPECT_FALSE(r.failures[0].passedOver);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.error.code, c.rule);
    EXPECT_EQ(r.ReportText(),
              r.failures[0].message + "\r" + c.detail + "\rErrorNo = " + std::to_string(c.rule) + " : 0");
}

TEST_P(RuleTest, EditorReportsTheSameRuleAndReadsOn) {
    const RuleCase& c = GetParam();
    DefinitionFixture f;
    if (!c.editorToo) {
        EXPECT_TRUE(f.Editor("[VER8.05]\r\n" + c.body).ok());
        return;
    }
    const ReadResult r = f.Editor("[VER8.05]\r\n[MODE1]\r\n" + c.body + "[PAGE7]\r\n");
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, c.rule);
    EXPECT_EQ(r.failures[0].detail, c.detail);
    EXPECT_EQ(FailureReportText(r.failures[0]),
              r.failures[0].message + "\r" + c.detail + "\rErrorNo = " + std::to_string(c.rule) + " : 0");
    EXPECT_EQ(r.stopped, c.rule == 1);
    EXPECT_EQ(f.def->Page(7).defined, c.rule != 1);
}

INSTANTIATE_TEST_SUITE_P(AllRules, RuleTest, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RuleTexts, MessagesAreTheSystemsOwnTexts) {
    EXPECT_EQ(RuleMessageText(1, ReaderKind::Runtime),
              "メニュー定義で、ページ定義の先頭がページ開始定義でないか、\rもしくは誤った記述があります｡ ");
    EXPECT_EQ(RuleMessageText(92, ReaderKind::Runtime),
              "変換対象旧バージョンのメニュー定義です。\rＴＶＳＥＴＵＰにてメニューの変換を行って下さい。");
    EXPECT_EQ(RuleMessageText(92, ReaderKind::Editor), "変換対象旧バージョンのメニュー定義です。");
    EXPECT_EQ(RuleMessageText(99, ReaderKind::Runtime), "メニュー定義ファイルが存在しません。");
    EXPECT_EQ(RuleMessageText(91, ReaderKind::Editor), "変換対象旧バージョンのメニュー定義ではありません。");
    for (int rule = 1; rule <= 29; ++rule)
        EXPECT_FALSE(RuleMessageText(rule, ReaderKind::Editor).empty()) << rule;
    EXPECT_TRUE(RuleMessageText(30, ReaderKind::Editor).empty());
    EXPECT_EQ(RuleDetailText(90, 0, 0, "FOO"), "エラー = (FOO)定義行");
}

struct VersionCase {
    const char* firstLine;
    int formatClass;  // 0 = old version
};

class VersionTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTest, VersionDecidesFormatClassOrOldVersion) {
    const VersionCase& c = GetParam();
    for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
        DefinitionFixture f;
        const ReadResult r = f.Read(Lines({"*,comment first", c.firstLine, "[PAGE1]"}), kind);
        if (c.formatClass == 0) {
            ASSERT_EQ(r.failures.size(), 1u);
            EXPECT_EQ(r.failures[0].rule, 92);
            EXPECT_EQ(r.failures[0].detail, kind == ReaderKind::Runtime
                                                ? std::string(testing::kDefinitionPath)
                                                : "メニューの変換を行って下さい。");
            EXPECT_TRUE(r.stopped);
            EXPECT_FALSE(f.def->Page(1).defined);
        } else {
            EXPECT_TRUE(r.ok());
            EXPECT_EQ(f.def->formatClass, c.formatClass);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionTest,
                         ::testing::Values(VersionCase{"[VER8.05]", 3}, VersionCase{"[ver8.01]", 3},
                                           VersionCase{"[VER8.00]", 2}, VersionCase{"[VER8]", 2},
                                           VersionCase{"[VER6.00]", 1}, VersionCase{"[VER7.99]", 1},
                                           VersionCase{"[VER5.99]", 0}, VersionCase{"[VER5.00]", 0},
                                           VersionCase{"[VER]", 0}, VersionCase{"[MODE1]", 0},
                                           VersionCase{"[PAGE1]", 0}));

TEST(ReaderStops, FileWithoutVersionLineIsOldVersionEvenWhenEmpty) {
    for (const char* text : {"", "*,only a comment\r\n", "\r\n\r\n"}) {
        for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
            DefinitionFixture f;
            const ReadResult r = f.Read(text, kind);
            ASSERT_EQ(r.failures.size(), 1u) << text;
            EXPECT_EQ(r.failures[0].rule, 92);
            EXPECT_TRUE(r.stopped);
        }
    }
}

TEST(ReaderStops, FirstPageMustBePageOneInRuntimeEvenUnderNoCheck) {
    DefinitionFixture f;
    const ReadResult r =
        f.Runtime(Lines({"[VER8.05]", "[NCHK]", "[PAGE2]", "CMD1,,OFF,\"x\",,,,,,,,END,,,"}));
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, 2);
    EXPECT_EQ(r.failures[0].detail, "[PAGE2]");
    EXPECT_FALSE(r.failures[0].passedOver);
    EXPECT_TRUE(r.stopped);

    DefinitionFixture e;
    const ReadResult er = e.Editor(Lines({"[VER8.05]", "[PAGE3]", "CMD1,,OFF,\"x\",,,,,,,,END,,,"}));
    EXPECT_TRUE(er.ok());
    EXPECT_TRUE(e.def->Page(3).defined);
    EXPECT_FALSE(e.def->Page(1).defined);
    EXPECT_EQ(e.def->Page(3).Button(1).action, ButtonAction::End);
}

TEST(ReaderStops, RuleOneStopsBothReadersUnderNoCheck) {
    for (const auto kind : {ReaderKind::Runtime, ReaderKind::Editor}) {
        DefinitionFixture f;
        const ReadResult r = f.Read(Lines({"[VER8.05]", "[NCHK]", "VARTITLE,\"x\",,0", "[PAGE1]"}), kind);
        ASSERT_EQ(r.failures.size(), 1u);
        EXPECT_EQ(r.failures[0].rule, 1);
        EXPECT_EQ(r.failures[0].detail, "VARTITLE");
        EXPECT_TRUE(r.stopped);
        EXPECT_FALSE(f.def->Page(1).defined);
    }
}

TEST(ReaderStops, UnknownKeyInsidePageFailsOnlyInRuntime) {
    DefinitionFixture f;
    const std::string text = Lines({"[VER8.05]", "[PAGE1]", "COLOR,1", "CMD1,,OFF,\"x\",,,,,,,,END,,,"});
    const ReadResult r = f.Runtime(text);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, 90);
    EXPECT_EQ(r.failures[0].detail, "エラー = (COLOR)定義行");
    const ReadResult e = f.Editor(text);
    EXPECT_TRUE(e.ok());
    EXPECT_EQ(f.def->Page(1).Button(1).action, ButtonAction::End);
}

TEST(ReaderErrors, NumberBeyondSixteenBitsEndsInTheReportNotInUndefinedBehaviour) {
    const char* cases[] = {"[MODE99999]",
                           "[PAGE1]\r\nCMD99999,,OFF,,,,,,,,,END,,,",
                           "[PAGE1]\r\nCMD1,,OFF,,,,70000,,,,,,END,,,",
                           "AFT1,99999:00,1,1",
                           "[PAGE1]\r\nCMD1,,OFF,,,,,,,,,PAGE40000,,,",
                           "[PAGE1]\r\nCMD1,,OFF,,,,,,,,,END,40000,,"};
    for (const char* body : cases) {
        DefinitionFixture f;
        const ReadResult r = f.Runtime(std::string("[VER8.05]\r\n") + body + "\r\n");
        EXPECT_TRUE(r.stopped) << body;
        EXPECT_EQ(r.runErrorNumber, 6) << body;
        EXPECT_EQ(r.error.code, 999) << body;
        EXPECT_EQ(r.ReportText(), "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 999 : 6")
            << body;
        const ReadResult e = f.Editor(std::string("[VER8.05]\r\n") + body + "\r\n");
        EXPECT_EQ(e.error.code, 991) << body;
        EXPECT_EQ(e.runErrorNumber, 6) << body;
    }
}

TEST(ReaderErrors, HugeVersionNumberIsAnOverflowNotAFloatCast) {
    DefinitionFixture f;
    const ReadResult r = f.Runtime("[VER" + std::string(400, '9') + "]\r\n");
    EXPECT_EQ(r.runErrorNumber, 6);
}

TEST(ReaderErrors, MissingFileIsRule99InRuntimeAndFileNotFoundInEditor) {
    DefinitionFixture f;
    const ReaderContext runtime{ReaderPolicy::Runtime(), f.folders, f.files, "C:\\MENU\\NONE.TVX"};
    const ReadResult r = readDefinitionFile(*f.def, runtime);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rule, 99);
    EXPECT_EQ(r.ReportText(), "メニュー定義ファイルが存在しません。\rC:\\MENU\\NONE.TVX\rErrorNo = 99 : 0");
    const ReaderContext editor{ReaderPolicy::Editor(), f.folders, f.files, "C:\\MENU\\NONE.TVX"};
    const ReadResult e = readDefinitionFile(*f.def, editor);
    EXPECT_TRUE(e.failures.empty());
    EXPECT_EQ(e.runErrorNumber, 53);
    EXPECT_EQ(e.ReportText(), "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 991 : 53");
}

}  // namespace
}  // namespace torva::definition
