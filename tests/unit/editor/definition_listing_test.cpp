#include "definition/definition_listing.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "common/cp932.h"
#include "definition/listing_columns.h"
#include "fakes.h"

namespace torva::editor {
namespace {

using namespace torva::definition;

using definition::ButtonAction;
using definition::MenuDefinition;

const definition::SearchFolders kFolders{"C:\\DEFS", "C:\\PROG", "C:\\WINDOWS", "C:\\WINDOWS\\system32"};

std::string ReadData(const std::string& name) {
    std::ifstream in(std::string(TORVA_EDITOR_TEST_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lines of a listing, for checks that look at a part of it.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

std::unique_ptr<MenuDefinition> RichDefinition() {
    auto def = std::make_unique<MenuDefinition>();
    def->comments = {"Sample menu", "二行目"};
    def->options.dupCheck = true;
    def->options.noCheck = true;
    def->options.trayIcon = true;
    def->options.positionSave = true;
    def->options.noFunctionKeys = true;
    def->StartProgram(1) = {"C:\\TOOLS\\START.EXE", "-a", 0, 0};
    def->EndProgram(2) = {"C:\\TOOLS\\END.EXE", "", 1, 0};
    def->ElapsedStart(1) = {"00:10", 1, 2};
    def->ClockStart(2) = {"12:00", 2, 12};

    auto& p1 = def->Page(1);
    p1.defined = true;
    p1.PageStart(1) = {"C:\\TOOLS\\PS.EXE", "/q", 1, 0};
    p1.barTitle.text = "Office";
    p1.barTitle.backColour = 0xFFC0C0;
    p1.Title(1) = {"メイン", "ＭＳ 明朝", "Regular", 16, 0xFFFFFF, 0xFF0000};
    p1.Title(2).text = "Sub";

    auto& b1 = p1.Button(1);
    b1.caption = "Editor";
    b1.pfKey = true;
    b1.action = ButtonAction::Run;
    b1.program = "C:\\WINDOWS\\NOTEPAD.EXE";
    b1.arguments = "x.txt";
    b1.runOption = 3;
    b1.workFolder = "C:\\WORK";
    b1.password = "abc";
    b1.guide = "合言葉";
    b1.icon = "C:\\WINDOWS\\NOTEPAD.EXE|0";
    b1.fontName = "ＭＳ ゴシック";
    b1.fontStyle = "Bold";
    b1.fontSize = 12;
    b1.foreColour = 0x0000FF;
    b1.comment = "メモ帳";

    p1.Button(2).caption = "Page 2";
    p1.Button(2).action = ButtonAction::Page;
    p1.Button(2).targetPage = 2;
    // 41 bytes: the twentieth full-width character would be split at byte 40.
    p1.Button(3).caption = "A全角全角全角全角全角全角全角全角全角全角";
    p1.Button(3).action = ButtonAction::End;
    p1.Button(4).caption = "Shut";
    p1.Button(4).action = ButtonAction::ConfirmShutdown;
    p1.Button(5).action = ButtonAction::RemoteMessage;
    p1.Button(5).program = "PC01";
    p1.Button(5).arguments = "こんにちは";
    p1.Button(6).action = ButtonAction::RemoteControl;
    p1.Button(6).program = "PC02";
    p1.Button(6).targetPage = 3;
    p1.Button(6).runOption = 5;
    p1.Button(7).action = ButtonAction::ScreenSaver;
    p1.Button(7).backColour = definition::kTransparent;
    p1.Button(8).action = ButtonAction::ConfirmRemoteReboot;
    p1.Button(8).program = "SRV";
    p1.Button(12).caption = "Bye";
    p1.Button(12).action = ButtonAction::Logoff;
    // Only a comment or a font: the writer leaves such a button out, and so does the listing.
    p1.Button(10).comment = "hidden";
    p1.Button(11).fontName = "Arial";

    auto& p2 = def->Page(2);
    p2.defined = true;
    p2.Button(1).caption = "Back";
    p2.Button(1).action = ButtonAction::Page;
    p2.Button(1).targetPage = 1;
    p2.Button(2).backColour = definition::kSemiTransparent;
    // The remaining kinds of action, each with the lines its kind lists.
    const ButtonAction more[] = {
        ButtonAction::Shutdown,       ButtonAction::PowerOff,        ButtonAction::Reboot,
        ButtonAction::ConfirmLogoff,  ButtonAction::ConfirmPowerOff, ButtonAction::ConfirmReboot,
        ButtonAction::RemoteShutdown, ButtonAction::RemoteReboot,    ButtonAction::ConfirmRemoteShutdown};
    for (int i = 0; i < 9; ++i) p2.Button(3 + i).action = more[i];
    p2.Button(3).caption = "SD";
    p2.Button(9).program = "サーバ";
    p2.Button(9).arguments = "停止します";
    p2.Button(10).program = "PC9";
    p2.Button(11).program = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";  // cut to its 24-byte column
    p2.Button(11).arguments = "m";
    // A slot beyond the 12 buttons of display mode 1 is not listed.
    p2.Button(13).caption = "beyond";
    return def;
}

TEST(DefinitionListing, RichDefinitionMatchesTheExpectedFileByteForByte) {
    const auto def = RichDefinition();
    const std::string expected = ReadData("rich_listing.txt");
    ASSERT_FALSE(expected.empty());
    const std::string actual = Utf8ToCp932(listingText(*def, kFolders));
    if (actual != expected) {
        const auto a = Lines(Cp932ToUtf8(actual));
        const auto e = Lines(Cp932ToUtf8(expected));
        for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i) {
            ASSERT_EQ(a[i], e[i]) << "line " << i + 1;
        }
        ASSERT_EQ(a.size(), e.size());
    }
    EXPECT_EQ(actual.find("abc"), std::string::npos) << "a password must never be listed";
}

TEST(DefinitionListing, WrittenFileIsShiftJisWithCrLf) {
    testing::FakeFileSystem files;
    const auto def = RichDefinition();
    const auto result = writeListing(files, "C:\\OUT\\LIST.TXT", *def, kFolders);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.unmappable, 0u);
    std::string bytes;
    ASSERT_TRUE(files.ReadFile("C:\\OUT\\LIST.TXT", bytes));
    EXPECT_TRUE(bytes == ReadData("rich_listing.txt")) << "the file differs from the expected listing";
}

TEST(DefinitionListing, BareDefinitionListsBannerVersionModeAndPagesOnly) {
    auto def = std::make_unique<MenuDefinition>();
    def->displayMode = 9;
    def->Page(3).defined = true;
    def->Page(3).Button(24).caption = "24";
    const auto lines = Lines(listingText(*def, kFolders));
    std::string stars, rule;
    for (int i = 0; i < 47; ++i) {
        stars += "＊";
        rule += "－";
    }
    const std::vector<std::string> expected = {stars,
                                               "",
                                               stars,
                                               "バージョン　：8.05",
                                               "",
                                               "表示形式　　：MODE9(拡張)",
                                               "",
                                               rule,
                                               "【ページ定義】",
                                               "",
                                               "（頁  3）",
                                               "",
                                               "(24)ﾎﾞﾀﾝ名称：24"};
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (i == 1) continue;  // the title line of the banner
        EXPECT_EQ(lines[i].substr(0, expected[i].size()), expected[i]) << "line " << i + 1;
    }
    EXPECT_EQ(lines.back(), rule);
    EXPECT_EQ(lines.size(), expected.size() + 3);  // the colour line, a blank and the separator
}

TEST(DefinitionListing, CommonBarTitleAndPictureAndRelativePaths) {
    auto def = std::make_unique<MenuDefinition>();
    def->options.pathSuppress = true;
    def->commonBackground = true;
    auto& p1 = def->Page(1);
    p1.defined = true;
    p1.barTitle.text = "All";
    p1.barTitle.picture = "C:\\DEFS\\back.bmp";
    p1.pageWaitMode = 4;
    p1.Button(1).action = ButtonAction::Run;
    p1.Button(1).program = "C:\\WINDOWS\\system32\\calc.exe";
    p1.Button(1).icon = "C:\\DEFS\\icons\\a.ico";
    p1.Button(2).action = ButtonAction::Run;
    p1.Button(2).program = "rel.exe";  // kept relative to the program folder: listed as held
    p1.Button(2).programBase = definition::kBaseProgramFolder;
    def->Page(2).defined = true;
    def->Page(2).barTitle.text = "own";  // hidden by the common bar title
    const std::string text = listingText(*def, kFolders);
    const auto lines = Lines(text);
    auto count = [&](const std::string& line) { return std::count(lines.begin(), lines.end(), line); };
    EXPECT_EQ(count("バータイトル：All"), 2);
    EXPECT_EQ(count("　　背景画像：back.bmp"), 2);
    EXPECT_EQ(count("　　同期指定：同期/ﾒﾆｭｰﾛｯｸ非表示"), 2);
    EXPECT_EQ(count("バータイトル：own"), 0);
    EXPECT_EQ(count(" 実行ﾌﾟﾛｸﾞﾗﾑ：calc.exe"), 1);
    EXPECT_EQ(count("　　アイコン：icons\\a.ico"), 1);
    EXPECT_EQ(count(" 実行ﾌﾟﾛｸﾞﾗﾑ：rel.exe"), 1);
    EXPECT_NE(text.find("オプション　：PSUP\r\n"), std::string::npos);
}

// The style column is 11 characters wide whatever the characters are, so the size stays in the same
// character column for a Japanese style name as for a Latin one.
TEST(DefinitionListing, FontStyleIsPaddedAndCutByCharacters) {
    auto def = std::make_unique<MenuDefinition>();
    def->Page(1).defined = true;
    const char* const styles[] = {"Bold", "太字 斜体", "ｲﾀﾘｯｸ", "標準標準標準標準標準標準"};
    for (int n = 1; n <= 4; ++n) {
        auto& b = def->Page(1).Button(n);
        b.caption = "B" + std::to_string(n);
        b.action = ButtonAction::End;
        b.fontName = "Arial";
        b.fontStyle = styles[n - 1];
        b.fontSize = 9;
    }
    const auto lines = Lines(listingText(*def, kFolders));
    const std::string name =
        "　フォント名：Arial" + std::string(20, ' ') + std::string(5, ' ') + "スタイル：";
    const std::string size = std::string(5, ' ') + "サイズ：9ポイント";
    for (const std::string& expected :
         {name + "Bold       " + size, name + "太字 斜体      " + size, name + "ｲﾀﾘｯｸ      " + size,
          name + "標準標準標準標準標準標" + size}) {
        EXPECT_EQ(std::count(lines.begin(), lines.end(), expected), 1) << expected;
    }
    EXPECT_EQ(PadToChars("全角", 4), "全角  ");
    EXPECT_EQ(PadToChars("abcdef", 3), "abc");
}

TEST(ListingColumns, PadsAndCutsByShiftJisBytes) {
    struct Case {
        const char* text;
        std::size_t n;
        const char* expected;
    };
    const Case cases[] = {
        {"abc", 5, "abc  "}, {"abcdef", 3, "abc"}, {"", 2, "  "},
        {"全角", 4, "全角"}, {"全角", 3, "全 "},   {"a全", 2, "a "},
        {"ｶﾅ全", 3, "ｶﾅ "},  {"ｶﾅ全", 4, "ｶﾅ全"},  {"x", 0, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PadToBytes(c.text, c.n), c.expected) << c.text << " " << c.n;
    EXPECT_EQ(RightAligned(5, 3), "  5");
    EXPECT_EQ(RightAligned(99, 2), "99");
    EXPECT_EQ(RightAligned(100, 2), "100");
}

}  // namespace
}  // namespace torva::editor
