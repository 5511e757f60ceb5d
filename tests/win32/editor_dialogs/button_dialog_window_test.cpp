// The button dialog driven through its window: every tab filled in as a user would, OK, and the
// button in the model holds it; a failed check answered No keeps the dialog open where the fault is.
#include <gtest/gtest.h>

#include "editor/win32/dialogs/control_ids.h"
#include "editor/win32/dialogs/definition_dialogs.h"
#include "platform/win32/wide.h"
#include "tests/win32/editor_dialogs/dialog_driver.h"

namespace torva::test {
namespace {

namespace ids = editor::win32::ids;
namespace button = editor::win32::ids::button;

// Palette cells in twips from the palette's corner: 12 to a row at a pitch of 405, the three special
// cells in a row below with their labels.
int CellX(int cell) {
    return cell < 48 ? (cell % 12) * 405 + 170 : (cell - 48) * (405 + 1260) + 170;
}
int CellY(int cell) {
    return cell < 48 ? (cell / 12) * 405 + 170 : 4 * 405 + 120 + 170;
}
// The scroll bar under the icon cells.
constexpr int kIconScrollBar = 0x7F01;
// Icon cells: 540 wide at a pitch of 570.
int IconCellX(int k) {
    return k * 570 + 270;
}

class ButtonDialogWindowTest : public ::testing::Test {
  protected:
    StandInEditor editor;
    RecordingReport report;
    OwnerWindow owner;
    editor::win32::DefinitionDialogs dialogs{editor, report};
};

TEST_F(ButtonDialogWindowTest, EveryTabFilledInAndStored) {
    ASSERT_TRUE(dialogs.OpenButton(owner.get(), 1, 3));
    HWND dialog = dialogs.OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Pump();
    EXPECT_FALSE(IsWindowEnabled(owner.get()));
    EXPECT_FALSE(dialogs.OpenButton(owner.get(), 1, 4));  // one dialog at a time
    EXPECT_EQ(TextOf(dialog, button::kActionFirst + 1), "ﾌﾟﾛｸﾞﾗﾑ実行");
    EXPECT_FALSE(IsWindowEnabled(Find(dialog, button::kProgram)));  // no action yet: action fields off

    SetTextOf(dialog, button::kCaption, "メモ帳");
    Click(dialog, button::kActionFirst + 1);
    EXPECT_TRUE(IsWindowEnabled(Find(dialog, button::kProgram)));
    EXPECT_FALSE(IsWindowEnabled(Find(dialog, button::kPage)));
    FocusOn(dialog, button::kProgram);
    SetTextOf(dialog, button::kProgram, "  notepad.exe ");
    FocusOn(dialog, button::kArguments);
    EXPECT_EQ(TextOf(dialog, button::kProgram), "notepad.exe");  // trimmed on leaving
    SetTextOf(dialog, button::kArguments, "readme.txt");
    Click(dialog, button::kWaitFirst + 3);
    Click(dialog, button::kPfKey);
    // The comment refuses the double quote.
    HWND comment = Find(dialog, button::kComment);
    for (wchar_t c : std::wstring(L"a\"b")) SendMessageW(comment, WM_CHAR, c, 0);
    EXPECT_EQ(TextOf(dialog, button::kComment), "ab");

    SelectTab(dialog, ids::kTabs, 1);
    FocusOn(dialog, button::kIconFile);
    SetTextOf(dialog, button::kIconFile, "shell32.dll");
    FocusOn(dialog, button::kPassword);  // leaving the box loads its icons
    ClickAt(Find(dialog, button::kIconStrip), IconCellX(5), 270);
    SetTextOf(dialog, button::kPassword, "secret");

    SelectTab(dialog, ids::kTabs, 2);
    ClickAt(Find(dialog, button::kCaptionPalette), CellX(23), CellY(23));
    SelectTab(dialog, ids::kTabs, 3);
    ClickAt(Find(dialog, button::kBackPalette), CellX(49), CellY(49));

    // Enter in a text box is OK.
    FocusOn(dialog, button::kPassword);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_EQ(editor.closings, 1);
    EXPECT_TRUE(editor.lastStored);
    EXPECT_TRUE(editor.lastRedraw);
    EXPECT_EQ(editor.refreshed, std::vector<int>{103});
    EXPECT_TRUE(report.failures.empty());

    const definition::MenuButton& b = editor.model->Page(1).Button(3);
    EXPECT_EQ(b.caption, "メモ帳");
    EXPECT_EQ(b.action, definition::ButtonAction::Run);
    EXPECT_EQ(b.program, "notepad.exe");
    EXPECT_EQ(b.programBase, definition::kBaseWindowsFolder);
    EXPECT_EQ(b.arguments, "readme.txt");
    EXPECT_EQ(b.runOption, 3);
    EXPECT_TRUE(b.pfKey);
    EXPECT_EQ(b.comment, "ab");
    EXPECT_EQ(b.icon, "shell32.dll|5");
    EXPECT_EQ(b.iconBase, definition::kBaseSystemFolder);
    EXPECT_EQ(b.password, "secret");
    EXPECT_EQ(b.foreColour, 0xFF0000u);
    EXPECT_EQ(b.backColour, definition::kTransparent);

    // Opened again, the dialog shows every value.
    ASSERT_TRUE(dialogs.OpenButton(owner.get(), 1, 3));
    dialog = dialogs.OpenDialog();
    Pump();
    EXPECT_EQ(TextOf(dialog, button::kCaption), "メモ帳");
    EXPECT_EQ(TextOf(dialog, button::kProgram), "notepad.exe");
    EXPECT_EQ(SendMessageW(Find(dialog, button::kActionFirst + 1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(Find(dialog, button::kWaitFirst + 3), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(TextOf(dialog, button::kIconFile), "shell32.dll");
    EXPECT_EQ(GetScrollPos(Find(dialog, kIconScrollBar), SB_CTL), 5);  // the chosen icon under the bar
    EXPECT_EQ(TextOf(dialog, button::kPassword), "secret");
    Click(dialog, IDCANCEL);
    EXPECT_EQ(editor.closings, 2);
    EXPECT_FALSE(editor.lastStored);
    EXPECT_EQ(editor.model->Page(1).Button(3).caption, "メモ帳");
}

TEST_F(ButtonDialogWindowTest, FailedCheckAnsweredNoStaysOnTheField) {
    ASSERT_TRUE(dialogs.OpenButton(owner.get(), 2, 7));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    SetTextOf(dialog, button::kCaption, "Jump");
    Click(dialog, button::kActionFirst + 2);
    FocusOn(dialog, button::kPage);
    SetTextOf(dialog, button::kPage, "abc");
    FocusOn(dialog, button::kComment);
    EXPECT_EQ(TextOf(dialog, button::kPage), "0");
    SelectTab(dialog, ids::kTabs, 2);
    {
        QuestionAnswerer answerer({IDNO});
        Click(dialog, IDOK);
        const auto texts = answerer.Texts();
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_NE(texts[0].find(win32::Wide("ページ番号の指定に誤りがあります。")), std::wstring::npos);
        EXPECT_NE(texts[0].find(win32::Wide("このまま格納しますか？")), std::wstring::npos);
    }
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ(SelectedTab(dialog, ids::kTabs), 0);
    EXPECT_EQ(GetFocus(), Find(dialog, button::kPage));
    EXPECT_EQ(editor.closings, 0);
    EXPECT_EQ(editor.model->Page(2).Button(7), definition::MenuButton{});

    // Yes stores the page as 0.
    {
        QuestionAnswerer answerer({IDYES});
        Click(dialog, IDOK);
    }
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(editor.model->Page(2).Button(7).action, definition::ButtonAction::Page);
    EXPECT_EQ(editor.model->Page(2).Button(7).targetPage, 0);
    EXPECT_EQ(editor.model->Page(2).Button(7).caption, "Jump");
}

TEST_F(ButtonDialogWindowTest, CancelChangesNothingAndHelpOpensItsTopic) {
    definition::MenuButton& b = editor.model->Page(1).Button(1);
    b.caption = "Keep";
    b.action = definition::ButtonAction::End;
    const definition::MenuButton before = b;
    ASSERT_TRUE(dialogs.OpenButton(owner.get(), 1, 1));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    SetTextOf(dialog, button::kCaption, "Changed");
    Click(dialog, button::kActionFirst + 5);
    Click(dialog, ids::kHelp);
    EXPECT_EQ(editor.helpContexts, std::vector<int>{6});
    // Esc is Cancel, through the dialog keys of the message pump.
    FocusOn(dialog, button::kCaption);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(editor.model->Page(1).Button(1), before);
    EXPECT_TRUE(IsWindowEnabled(owner.get()));
    EXPECT_FALSE(editor.lastStored);
}

}  // namespace
}  // namespace torva::test
