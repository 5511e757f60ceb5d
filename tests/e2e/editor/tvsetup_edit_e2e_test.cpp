// Tvsetup.exe end to end: editing through the clipboards and saving, the common file dialogs, the
// save question on close, files dropped on a slot, and files written back byte for byte.

#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "platform/win32/wide.h"
#include "tvsetup_session.h"

namespace torva::e2e {
namespace {

const std::vector<std::string> kMenu = {
    "[VER8.05]",
    "[MODE1]",
    "[PAGE1]",
    "TITLE1,\"Main\",ＭＳ 明朝,Regular,16,W,B",
    "CMD1,,ON,\"Copy me\",ＭＳ 明朝,Regular,12,R5,,,,PAGE2,,,",
    SlotLine(2, "Delete me"),
    SlotLine(3, "Cut me", "END", "G2"),
    "[PAGE2]",
    SlotLine(12, "Stay"),
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The selection moves from the main title to slot 1: Down to the sub title, Down to slot 1.
void SelectSlotOne(TvsetupSession& s) {
    s.Key(VK_DOWN);
    s.Key(VK_DOWN);
    ASSERT_EQ(s.Selected(), 1);
}

TEST(TvsetupEdit, CopyOnPageOnePasteOnPageTwoAndSave) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    SelectSlotOne(s);
    s.Command(cmd::kCopy);
    s.Key(VK_NEXT);
    ASSERT_EQ(s.PageNumber(), "2");
    s.Key(VK_DOWN);
    s.Key(VK_DOWN);
    s.Key(VK_DOWN);
    ASSERT_EQ(s.Selected(), 4);
    s.Command(cmd::kPaste);
    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text, "[PAGE2]\r\nCMD4,,ON,\"Copy me\",ＭＳ 明朝,Regular,12,R5,,,,PAGE2,,,\r\n"))
        << text;
    EXPECT_TRUE(Contains(text, "[PAGE1]\r\nTITLE1,\"Main\",ＭＳ 明朝,Regular,16,W,B\r\nCMD1,,ON,\"Copy me\""))
        << text;
}

TEST(TvsetupEdit, DeleteKeyAndCutEmptySlotsAndThePasteMovesTheCutOne) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    SelectSlotOne(s);
    s.Key(VK_DOWN);
    s.Key(VK_DELETE);
    s.Key(VK_DOWN);
    s.Command(cmd::kCut);
    s.Key(VK_DOWN);
    s.Key(VK_DOWN);
    ASSERT_EQ(s.Selected(), 5);
    s.Command(cmd::kPaste);
    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_FALSE(Contains(text, "Delete me")) << text;
    EXPECT_FALSE(Contains(text, "CMD2,")) << text;
    EXPECT_FALSE(Contains(text, "CMD3,")) << text;
    EXPECT_TRUE(Contains(text, "CMD5,,OFF,\"Cut me\",,,,,G2,,,END,,,")) << text;
}

TEST(TvsetupEdit, SaveAsOpenAndTextOutputGoThroughTheCommonDialogs) {
    TvsetupSession s;
    ASSERT_TRUE(s.Start(""));
    EXPECT_EQ(s.Caption(), kUntitled);
    EXPECT_EQ(s.Menus().Greyed(cmd::kSave), true);
    // Save as: the empty definition under a new name, which becomes the open file.
    PostCommand(s.Window(), cmd::kSaveAs);
    AnswerFileDialog(s, "名前を付けてﾒﾆｭｰを保存", s.Folder().File("NEW.TVX"));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(s.Folder().File("NEW.TVX")); }));
    EXPECT_EQ(s.Caption(), std::string(kUntitled) + " (" + s.Folder().File("NEW.TVX") + ")");
    EXPECT_EQ(s.Menus().Greyed(cmd::kSave), false);
    // Open another file.
    ASSERT_TRUE(s.WriteDefinition(kMenu));
    PostCommand(s.Window(), cmd::kOpen);
    AnswerFileDialog(s, "メニューを開く", s.DefinitionPath());
    ASSERT_TRUE(
        WaitUntil([&] { return s.Caption() == std::string(kUntitled) + " (" + s.DefinitionPath() + ")"; }));
    // Text output: the listing of what is open.
    PostCommand(s.Window(), cmd::kText);
    AnswerFileDialog(s, "テキスト出力", s.Folder().File("LIST.TXT"));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(s.Folder().File("LIST.TXT")); }));
    EXPECT_TRUE(Contains(s.ReadDefinitionText(s.Folder().File("LIST.TXT")), "Cut me"));
}

// The listing is written beside its target first; a folder standing in that place makes the write
// fail. The report names the listing (995), not one of the steps that composed its text before.
TEST(TvsetupEdit, AFailedTextOutputNamesTheListingInTheErrorBox) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    const std::string target = s.Folder().File("LIST.TXT");
    ASSERT_TRUE(CreateDirectoryW(torva::win32::Wide(target + ".~tv").c_str(), nullptr));
    PostCommand(s.Window(), cmd::kText);
    AnswerFileDialog(s, "テキスト出力", target);
    const auto box = WaitForMessageBox(s.Program().Id(), Millis(15000));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "TVSETUP");
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    EXPECT_TRUE(
        Contains(box->text, "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = 995 : "))
        << box->text;
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, IDOK));
    EXPECT_FALSE(FileExists(target));
}

class SaveQuestionOnClose : public ::testing::TestWithParam<int> {};

TEST_P(SaveQuestionOnClose, AnswersDecideWhatHappens) {
    const int answer = GetParam();
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    const std::string original = s.ReadDefinitionText();
    SelectSlotOne(s);
    s.Command(cmd::kDelete);
    PostSysCommand(s.Window(), SC_CLOSE);
    const auto box = WaitForMessageBox(s.Program().Id(), Millis(15000));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "TVSETUP");
    EXPECT_EQ(box->text, "メニューの内容が更新されています。\r保存しますか？");
    EXPECT_EQ(box->icon, MessageBoxIcon::Warning);
    EXPECT_EQ(box->buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, answer));
    if (answer == IDCANCEL) {
        s.Settle();
        EXPECT_FALSE(s.Program().WaitForExit(Millis(1000)));
        EXPECT_TRUE(IsWindow(s.Window()));
        EXPECT_EQ(s.ReadDefinitionText(), original);
        return;
    }
    ASSERT_TRUE(s.Program().WaitForExit(Millis(15000)));
    if (answer == IDYES) {
        EXPECT_FALSE(Contains(s.ReadDefinitionText(), "Copy me"));
    } else {
        EXPECT_EQ(s.ReadDefinitionText(), original);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestionOnClose, ::testing::Values(IDYES, IDNO, IDCANCEL));

TEST(TvsetupEdit, AFileDroppedOnASlotFillsIt) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    const std::string dropped = s.Folder().File("Tvshell.exe");
    const auto slot = FindControlById(s.Window(), kSlotId + 9);
    ASSERT_TRUE(slot);
    const POINT inside{slot->inParent.left + 10, slot->inParent.top + 10};
    ASSERT_TRUE(s.Menus().Drop(inside, dropped));
    ASSERT_TRUE(WaitUntil([&] { return s.Selected() == 9; }));
    // Outside every slot nothing happens.
    ASSERT_TRUE(s.Menus().Drop(POINT{2, 2}, s.Folder().File("Torva.exe")));
    s.Settle();
    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    const std::size_t line = text.find("CMD9,");
    ASSERT_NE(line, std::string::npos) << text;
    const std::string slot9 = text.substr(line, text.find("\r\n", line) - line);
    EXPECT_TRUE(Contains(slot9, "\",OFF,\"Tvshell.exe\",")) << slot9;
    EXPECT_TRUE(Contains(slot9, "\"CMD:" + dropped + "\"")) << slot9;
    EXPECT_TRUE(Contains(slot9, "\"" + s.Folder().Path() + "\"")) << slot9;
    EXPECT_FALSE(Contains(text, "Torva.exe\"")) << text;
}

TEST(TvsetupEdit, AnUntouchedDefinitionIsWrittenBackByteForByte) {
    TvsetupSession s;
    // A full extended definition: 99 pages of 24 slots with titles, colours and fonts.
    std::vector<std::string> lines = {"*,Full definition", "[VER8.05]", "[NCHK]", "[MODE9]", "[FRAME]"};
    const char* colours[] = {"", "R5", "B1", "G2", "X", "H"};
    for (int page = 1; page <= 99; ++page) {
        lines.push_back("[PAGE" + std::to_string(page) + "]");
        lines.push_back("VARTITLE,\"Page " + std::to_string(page) + "\",B" + std::to_string(page % 2 + 1) +
                        ",0");
        lines.push_back("TITLE1,\"ページ" + std::to_string(page) + "\",ＭＳ 明朝,Regular,16,W,B");
        for (int slot = 1; slot <= 24; ++slot) {
            const std::string target = std::to_string(page % 99 + 1);
            lines.push_back("CMD" + std::to_string(slot) + ",," + (slot % 3 == 0 ? "ON" : "OFF") +
                            ",\"ボタン" + std::to_string(page) + "-" + std::to_string(slot) + "\",,,," +
                            colours[slot % 6] + ",,,,PAGE" + target + ",,,");
        }
    }
    ASSERT_TRUE(s.WriteDefinition(lines));
    const auto original = ReadBytes(s.DefinitionPath());
    ASSERT_TRUE(original);
    ASSERT_TRUE(s.Start("\"" + s.DefinitionPath() + "\""));
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty());
    s.Command(cmd::kSave);
    EXPECT_EQ(ReadBytes(s.DefinitionPath()), original);
}

TEST(TvsetupEdit, TheSampleMenuIsWrittenBackByteForByte) {
    TvsetupSession s;
    ASSERT_TRUE(CopyFileTo(ProgramPath("TORVA.TVX"), s.Folder().File("TORVA.TVX")));
    ASSERT_TRUE(CopyFileTo(ProgramPath("TORVABG.BMP"), s.Folder().File("TORVABG.BMP")));
    const auto original = ReadBytes(s.Folder().File("TORVA.TVX"));
    ASSERT_TRUE(original);
    ASSERT_TRUE(s.Start("TORVA.TVX"));
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty());
    EXPECT_EQ(s.Caption(), std::string(kUntitled) + " (" + s.Folder().File("TORVA.TVX") + ")");
    s.Command(cmd::kSave);
    EXPECT_EQ(ReadBytes(s.Folder().File("TORVA.TVX")), original);
}

}  // namespace
}  // namespace torva::e2e
