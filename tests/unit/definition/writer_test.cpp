// The writer: the sample file byte for byte, round trips of many random definitions, the relative
// form, re-basing, the common bar title and the safe save.
#include <gtest/gtest.h>

#include "definition/definition_store.h"
#include "tests/unit/definition/definition_fixture.h"
#include "tests/unit/definition/model_generator.h"

namespace torva::definition {
namespace {

using testing::DefinitionFixture;
using testing::Lines;

const std::string kSample = Lines({
    "*,Sample menu",
    "[VER8.05]",
    "[DCHK]",
    "[MODE1]",
    "[STREND]",
    "STR1,\"C:\\TOOLS\\START.EXE\",0",
    "[TIMER]",
    "TIM1,12:00,1,2",
    "[PAGE1]",
    "PSTR1,\"<C:\\Program Files\\Viewer\\view.exe> /q\",1",
    "VARTITLE,\"Office\",B1,0",
    "TITLE1,\"Main\",ＭＳ 明朝,Regular,16,W,B",
    "CMD1,,ON,\"Editor\",ＭＳ 明朝,Regular,10,,,,,\"CMD:C:\\WINDOWS\\NOTEPAD.EXE\",0,,",
    "CMD2,,OFF,\"Page 2\",,,,,,,,PAGE2,,,",
    "CMD12,,OFF,\"Quit\",,,,,,,,END,,,",
    "[PAGE2]",
    "CMD1,,OFF,\"Back\",,,,,,,,PAGE1,,,",
});

TEST(Writer, SampleFileIsReproducedByteForByte) {
    DefinitionFixture f;
    const ReadResult r = f.Editor(kSample);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(f.Write(), kSample);
    EXPECT_EQ(Utf8ToCp932(f.Write()), Utf8ToCp932(kSample));
    // What the sample holds, as the model says it.
    const MenuDefinition& d = *f.def;
    EXPECT_EQ(d.comments, std::vector<std::string>{"Sample menu"});
    EXPECT_TRUE(d.options.dupCheck);
    EXPECT_EQ(d.ClockStart(1).time, "12:00");
    EXPECT_EQ(d.Page(1).PageStart(1).program, "C:\\Program Files\\Viewer\\view.exe");
    EXPECT_EQ(d.Page(1).PageStart(1).arguments, "/q");
    EXPECT_EQ(d.Page(1).barTitle.backColour, 0xFFC0C0u);
    EXPECT_EQ(d.Page(1).Title(1).foreColour, 0xFFFFFFu);
    EXPECT_EQ(d.Page(1).Title(1).backColour, 0xFF0000u);
    EXPECT_EQ(d.Page(1).Button(1).fontSize, 10);
    EXPECT_EQ(d.Page(1).Button(2).targetPage, 2);
    EXPECT_EQ(d.Page(1).Button(12).action, ButtonAction::End);
}

TEST(Writer, RuntimeReadsTheSampleWithoutFailure) {
    DefinitionFixture f;
    EXPECT_TRUE(f.Runtime(kSample).ok());
}

TEST(Writer, RandomDefinitionsSurviveReadWriteRead) {
    for (unsigned seed = 1; seed <= 120; ++seed) {
        DefinitionFixture f;
        testing::ModelGenerator generator(seed);
        auto generated = std::make_unique<MenuDefinition>();
        generator.Fill(*generated);
        const std::string first = definitionText(*generated, f.folders);
        const ReadResult r = f.Editor(first);
        ASSERT_TRUE(r.ok()) << "seed " << seed << ": " << (r.failures.empty() ? "" : r.failures[0].detail)
                            << "\n"
                            << first;
        ASSERT_TRUE(*f.def == *generated) << "seed " << seed << "\n" << first << "\n----\n" << f.Write();
        ASSERT_EQ(f.Write(), first) << "seed " << seed;
    }
}

TEST(Writer, EditorKeepsPathsThisMachineLacksSoSavingLosesNothing) {
    DefinitionFixture f;
    const std::string text =
        Lines({"[VER8.05]", "[MODE1]", "[STREND]", "STR1,\"N:\\APPS\\START.EXE -s\",1", "[PAGE1]",
               "VARTITLE,,\"PIC:N:\\PIC\\BACK.BMP\",0",
               "CMD1,\"N:\\ICONS\\A.ICO|1\",OFF,\"x\",,,,,,,\"N:\\WORK\",\"CMD:N:\\APPS\\A.EXE -z\",2,,"});
    const ReadResult r = f.Editor(text);
    EXPECT_EQ(r.failures.size(), 5u);  // each is reported
    EXPECT_EQ(f.Write(), text);
}

TEST(Writer, ButtonAndTitleLinesOnlyWhenTheyCarrySomething) {
    DefinitionFixture f;
    MenuDefinition& d = *f.def;
    clearDefinition(d);
    d.Page(1).defined = true;
    d.Page(1).Button(1).backColour = 0x0000FF;  // colour only: written
    d.Page(1).Button(2).comment = "only a comment";
    d.Page(1).Button(3).fontName = "Arial";
    d.Page(1).Button(4).caption = "   ";  // blank caption counts as empty
    d.Page(1).Title(2).fontName = "Arial";
    d.Page(1).Title(1).backColour = 0x0000FF;
    d.Page(1).barTitle.text = "  ";
    EXPECT_EQ(f.Write(),
              Lines({"[VER8.05]", "[MODE1]", "[PAGE1]", "TITLE1,,,,,,R", "CMD1,,OFF,,,,,,R,,,\"CMD:\",,,"}));
}

TEST(Writer, CommandTextsAndOptionFields) {
    DefinitionFixture f;
    MenuDefinition& d = *f.def;
    clearDefinition(d);
    d.displayMode = 9;
    d.Page(1).defined = true;
    struct Case {
        ButtonAction action;
        const char* program;
        const char* arguments;
        int page, option;
        const char* fields;
    } cases[] = {
        {ButtonAction::ConfirmShutdown, "", "", 0, 0, "SDWN,1"},
        {ButtonAction::Reboot, "", "", 0, 0, "REBT,"},
        {ButtonAction::ConfirmLogoff, "", "", 0, 0, "LOFF,1"},
        {ButtonAction::ScreenSaver, "", "", 0, 0, "SCR,"},
        {ButtonAction::ConfirmRemoteReboot, "PC1", "bye now", 0, 0, "\"RREBT:PC1 bye now\",1"},
        {ButtonAction::RemoteShutdown, "PC1", "  ", 0, 0, "\"RSDWN:PC1\","},
        {ButtonAction::RemoteMessage, "PC2", "hi", 0, 0, "\"RMSG:PC2 hi\","},
        {ButtonAction::RemoteControl, "PC3", "", 4, 7, "\"RCTL:PC3 4 7\","},
        {ButtonAction::Run, "C:\\A B\\x.exe", " -a ", 0, 3, "\"CMD:<C:\\A B\\x.exe>  -a \",3"},
        {ButtonAction::Run, "http://h/p", "", 0, 0, "\"CMD:http://h/p\",0"},
    };
    int n = 0;
    for (const auto& c : cases) {
        MenuButton& b = d.Page(1).Button(++n);
        b.action = c.action;
        b.program = c.program;
        b.arguments = c.arguments;
        b.targetPage = static_cast<uint8_t>(c.page);
        b.runOption = static_cast<uint8_t>(c.option);
    }
    const std::string text = f.Write();
    n = 0;
    for (const auto& c : cases) {
        const std::string expected = "CMD" + std::to_string(++n) + ",,OFF,,,,,,,,," + c.fields + ",,\r\n";
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
}

TEST(Writer, TextsThatAFieldCannotHoldAreLeftOut) {
    DefinitionFixture f;
    MenuDefinition& d = *f.def;
    clearDefinition(d);
    d.comments = {"has \"quotes\"\r\nand a line end"};
    d.Page(1).defined = true;
    d.Page(1).Button(1).caption = "say \"hi\"";
    d.Page(1).Button(1).fontName = "Bad,Font";
    const std::string text = f.Write();
    EXPECT_NE(text.find("*,has \"quotes\"and a line end\r\n"), std::string::npos);
    EXPECT_NE(text.find("CMD1,,OFF,\"say hi\",BadFont,"), std::string::npos);
    ASSERT_TRUE(f.Editor(text).ok());
    EXPECT_EQ(f.def->Page(1).Button(1).caption, "say hi");
    EXPECT_EQ(f.def->comments[0], "has \"quotes\"and a line end");
}

TEST(Writer, CommonBarTitleGoesOnEveryPage) {
    DefinitionFixture f;
    ASSERT_TRUE(f.Editor(Lines({"[VER8.05]", "[PAGE1]", "VARTITLE,\"Office\",B1,0", "[PAGE2]",
                                "VARTITLE,\"Office\",B1,0", "[PAGE5]", "VARTITLE,\"Office\",B1,0"}))
                    .ok());
    EXPECT_TRUE(f.def->commonBackground);
    f.def->Page(1).barTitle.text = "Changed";
    const std::string text = f.Write();
    std::size_t count = 0;
    for (std::size_t pos = text.find("VARTITLE,\"Changed\",B1,0"); pos != std::string::npos;
         pos = text.find("VARTITLE,\"Changed\",B1,0", pos + 1))
        ++count;
    EXPECT_EQ(count, 3u);

    for (const char* other :
         {"VARTITLE,\"Other\",B1,0", "VARTITLE,\"Office\",B2,0", "VARTITLE,\"Office\",B1,1"}) {
        DefinitionFixture g;
        ASSERT_TRUE(
            g.Editor(Lines({"[VER8.05]", "[PAGE1]", "VARTITLE,\"Office\",B1,0", "[PAGE2]", other})).ok());
        EXPECT_FALSE(g.def->commonBackground) << other;
    }
    DefinitionFixture noPageOne;
    ASSERT_TRUE(noPageOne.Editor(Lines({"[VER8.05]", "[PAGE2]", "[PAGE3]"})).ok());
    EXPECT_FALSE(noPageOne.def->commonBackground);
    DefinitionFixture onePage;
    ASSERT_TRUE(onePage.Editor(Lines({"[VER8.05]", "[PAGE1]"})).ok());
    EXPECT_FALSE(onePage.def->commonBackground);
}

TEST(Writer, RelativeFormUnderPathSuppress) {
    SearchFolders folders{"C:\\A", "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32"};
    struct Case {
        const char* path;
        const char* written;
    } cases[] = {
        {"C:\\A\\tools\\t.exe", "tools\\t.exe"},
        {"c:\\windows\\notepad.exe", "notepad.exe"},
        {"C:\\WINDOWS\\SYSTEM32\\calc.exe", "calc.exe"},  // the direct name wins over "SYSTEM32\calc.exe"
        {"C:\\WINDOWS\\SYSTEM32\\sub\\x.dll|2", "sub\\x.dll|2"},  // the shortest remainder
        {"C:\\AB\\x.exe", "C:\\AB\\x.exe"},
        {"D:\\x.exe", "D:\\x.exe"},
        {"http://x/y", "http://x/y"},
        {"C:\\A\\", "C:\\A\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(relativeForm(c.path, folders), c.written) << c.path;
    SearchFolders root{"C:\\", "C:\\TORVA", "", ""};
    EXPECT_EQ(relativeForm("C:\\x.exe", root), "x.exe");

    DefinitionFixture f;
    MenuDefinition& d = *f.def;
    clearDefinition(d);
    d.options.pathSuppress = true;
    d.Page(1).defined = true;
    d.Page(1).Button(1).action = ButtonAction::Run;
    d.Page(1).Button(1).program = "C:\\MENU\\TOOL.EXE";
    d.Page(1).Button(1).icon = "calc.exe|1";  // kept relative: written as it is
    d.Page(1).Button(1).iconBase = kBaseSystemFolder;
    d.StartProgram(1).program = "C:\\Program Files\\Viewer\\view.exe";
    const std::string text = f.Write();
    EXPECT_NE(text.find("CMD1,\"calc.exe|1\",OFF,,,,,,,,,\"CMD:TOOL.EXE\",0,,"), std::string::npos) << text;
    EXPECT_NE(text.find("STR1,\"<C:\\Program Files\\Viewer\\view.exe>\",0"), std::string::npos) << text;
    ASSERT_TRUE(f.Editor(text).ok());
    EXPECT_EQ(f.def->Page(1).Button(1).program, "TOOL.EXE");
    EXPECT_EQ(f.def->Page(1).Button(1).programBase, kBaseDefinitionFolder);
}

TEST(Store, SavingIntoAnotherFolderRebasesDefinitionRelativePaths) {
    DefinitionFixture f;
    f.files.AddFile("C:\\A\\M.TVX",
                    Utf8ToCp932(Lines({"[VER8.05]", "[PAGE1]", "CMD1,\"i.ico\",OFF,,,,,,,,,\"CMD:\",,,"})));
    f.files.AddFile("C:\\A\\i.ico");
    f.files.AddFolder("D:\\B");
    DefinitionStore store(*f.def, f.files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32");
    ASSERT_TRUE(store.readDefinition("C:\\A\\M.TVX").ok());
    EXPECT_EQ(f.def->Page(1).Button(1).iconBase, kBaseDefinitionFolder);
    ASSERT_TRUE(store.writeDefinition("D:\\B\\M.TVX").ok);
    EXPECT_EQ(store.definitionFolder(), "D:\\B");
    EXPECT_EQ(f.def->Page(1).Button(1).icon, "C:\\A\\i.ico");
    EXPECT_EQ(f.def->Page(1).Button(1).iconBase, kBaseAbsolute);
    EXPECT_NE(Cp932ToUtf8(f.files.Content("D:\\B\\M.TVX")).find("CMD1,\"C:\\A\\i.ico\",OFF"),
              std::string::npos);

    // A definition kept in the program folder keeps its icon relative, now to the program folder.
    f.files.AddFile("C:\\TORVA\\M.TVX",
                    Utf8ToCp932(Lines({"[VER8.05]", "[PAGE1]", "CMD1,\"tv.ico\",OFF,,,,,,,,,\"CMD:\",,,"})));
    ASSERT_TRUE(store.readDefinition("C:\\TORVA\\M.TVX").ok());
    EXPECT_EQ(f.def->Page(1).Button(1).iconBase, kBaseDefinitionFolder);
    ASSERT_TRUE(store.writeDefinition("D:\\B\\M.TVX").ok);
    EXPECT_EQ(f.def->Page(1).Button(1).icon, "tv.ico");
    EXPECT_EQ(f.def->Page(1).Button(1).iconBase, kBaseProgramFolder);
}

TEST(Store, FailedSaveKeepsTheOldFileAndReports) {
    for (const bool failWrite : {true, false}) {
        DefinitionFixture f;
        const std::string old = Utf8ToCp932(kSample);
        f.files.AddFile("C:\\MENU\\M.TVX", old);
        DefinitionStore store(*f.def, f.files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32");
        ASSERT_TRUE(store.readDefinition("C:\\MENU\\M.TVX").ok());
        f.def->Page(1).Button(1).caption = "changed";
        const std::size_t entries = f.files.Count();
        f.files.failWrite = failWrite;
        f.files.failReplace = !failWrite;
        const SaveResult result = store.writeDefinition("C:\\MENU\\M.TVX");
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(f.files.Content("C:\\MENU\\M.TVX"), old);
        EXPECT_FALSE(f.files.Has(TemporarySavePath("C:\\MENU\\M.TVX")));
        EXPECT_EQ(f.files.Count(), entries);
        EXPECT_EQ(store.showStoreError(0, 0, {}, result.runErrorNumber),
                  "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 992 : 75");
        // The model is intact, so a later save can still succeed.
        f.files.failWrite = f.files.failReplace = false;
        ASSERT_TRUE(store.writeDefinition("C:\\MENU\\M.TVX").ok);
        EXPECT_NE(Cp932ToUtf8(f.files.Content("C:\\MENU\\M.TVX")).find("\"changed\""), std::string::npos);
        EXPECT_FALSE(f.files.Has(TemporarySavePath("C:\\MENU\\M.TVX")));
    }
}

TEST(Store, BeginDefinitionNormalisesThePath) {
    DefinitionFixture f;
    DefinitionStore store(*f.def, f.files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32");
    struct Case {
        const char* in;
        const char* path;
        const char* folder;
    } cases[] = {
        {"\"C:\\A\\M.TVX\"", "C:\\A\\M.TVX", "C:\\A"},
        {"  ", "C:\\TORVA\\TORVA.TVX", "C:\\TORVA"},
        {"", "C:\\TORVA\\TORVA.TVX", "C:\\TORVA"},
        {"MY.TVX", "C:\\TORVA\\MY.TVX", "C:\\TORVA"},
        {"C:\\M.TVX", "C:\\M.TVX", "C:\\"},
        {"\\\\SRV\\S\\M.TVX", "\\\\SRV\\S\\M.TVX", "\\\\SRV\\S"},
    };
    for (const auto& c : cases) {
        std::string path = c.in;
        f.def->Page(3).Button(1).password = "secret";
        store.beginDefinition(path);
        EXPECT_EQ(path, c.path);
        EXPECT_EQ(store.definitionFolder(), c.folder);
        EXPECT_TRUE(f.def->Page(3).Button(1).password.empty());
    }
}

TEST(Store, ErrorReportTexts) {
    DefinitionFixture f;
    DefinitionStore store(*f.def, f.files, "C:\\TORVA", "C:\\WINDOWS", "C:\\WINDOWS\\SYSTEM32");
    store.error().code = 6;
    EXPECT_EQ(
        store.showStoreError(1, 4, "C:\\X\\A.BMP"),
        "メニュー定義のコマンド定義で、許されないアイコンファイル名が指定されています。\rPage = 1 , No = 4 : "
        "C:\\X\\A.BMP\rErrorNo = 6 : 0");
    store.error().code = 2;  // no rule of its own in the editor: keeps the previous texts
    EXPECT_EQ(store.showStoreError(),
              "メニュー定義のコマンド定義で、許されないアイコンファイル名が指定されています。\rPage = 1 , "
              "No = 4 : C:\\X\\A.BMP\rErrorNo = 2 : 0");
    store.error().code = 92;
    EXPECT_EQ(store.showStoreError(),
              "変換対象旧バージョンのメニュー定義です。\rメニューの変換を行って下さい。\rErrorNo = 92 : 0");
    store.error().code = 91;
    EXPECT_EQ(
        store.showStoreError(),
        "変換対象旧バージョンのメニュー定義ではありません。\r通常の読込を行って下さい。\rErrorNo = 91 : 0");
    store.error().code = 22;
    EXPECT_EQ(store.showStoreError(0, 1, "25:00"),
              "メニュー定義の経過時刻起動ボタン定義で、許されない時刻が指定されています。\rNo = 1 : "
              "25:00\rErrorNo = 22 : 0");
    store.error().code = 90;
    EXPECT_EQ(store.showStoreError(0, 0, "FOO"),
              "メニュー定義で、許されない書式が現れました。表示行及び前行の書式もチェックして下さい。\rエラー"
              " = (FOO)定義行\rErrorNo = 90 : 0");
    store.error().code = 800;
    EXPECT_EQ(store.showStoreError(0, 0, {}, 13),
              "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 800 : 13");
}

}  // namespace
}  // namespace torva::definition
