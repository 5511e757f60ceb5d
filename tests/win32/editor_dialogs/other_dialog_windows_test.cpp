// The title, bar-title, timed-start and program dialogs driven through their windows.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include "editor/win32/dialogs/control_ids.h"
#include "editor/win32/dialogs/definition_dialogs.h"
#include "platform/win32/wide.h"
#include "tests/win32/editor_dialogs/dialog_driver.h"

namespace torva::test {
namespace {

namespace ids = editor::win32::ids;

class DialogWindowTest : public ::testing::Test {
  protected:
    StandInEditor editor;
    RecordingReport report;
    OwnerWindow owner;
    editor::win32::DefinitionDialogs dialogs{editor, report};
};

TEST_F(DialogWindowTest, TimedStartsKeepBothSidesAndStoreHoursAndMinutes) {
    editor.model->clockStarts[1] = {"12:30", 4, 5};
    ASSERT_TRUE(dialogs.OpenTimedStarts(owner.get()));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    EXPECT_EQ(TextOf(dialog, ids::timed::kRowTitle), "経過時刻１");
    SetTextOf(dialog, ids::timed::kTime, "7:5");
    SetTextOf(dialog, ids::timed::kPage, "2");
    SetTextOf(dialog, ids::timed::kButton, "3");
    Click(dialog, ids::timed::kSideFirst + 1);
    EXPECT_EQ(TextOf(dialog, ids::timed::kRowTitle + 1), "起動時刻２");
    EXPECT_EQ(TextOf(dialog, ids::timed::kTime + 1), "12:30");
    EXPECT_EQ(TextOf(dialog, ids::timed::kTime), "");
    SetTextOf(dialog, ids::timed::kButton + 1, "13");  // beyond 12 buttons in mode 1
    Click(dialog, ids::timed::kSideFirst);
    EXPECT_EQ(TextOf(dialog, ids::timed::kTime), "7:5");
    {
        QuestionAnswerer answerer({IDNO});
        Click(dialog, IDOK);
        ASSERT_EQ(answerer.Texts().size(), 1u);
        EXPECT_NE(answerer.Texts()[0].find(win32::Wide("ボタン番号の指定に誤りがあります。")),
                  std::wstring::npos);
    }
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ(SendMessageW(Find(dialog, ids::timed::kSideFirst + 1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), Find(dialog, ids::timed::kButton + 1));
    SetTextOf(dialog, ids::timed::kButton + 1, "12");
    Click(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(editor.lastStored);
    EXPECT_EQ(editor.model->elapsedStarts[0], (definition::TimedStart{"07:05", 2, 3}));
    EXPECT_EQ(editor.model->clockStarts[1], (definition::TimedStart{"12:30", 4, 12}));
}

TEST_F(DialogWindowTest, EndProgramAnsweredNoShowsItsTabAndField) {
    editor.model->startPrograms[0] = {"notepad.exe", "", 0, 3};
    ASSERT_TRUE(dialogs.OpenStartEndPrograms(owner.get()));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    wchar_t caption[128] = {};
    GetWindowTextW(dialog, caption, 128);
    EXPECT_EQ(win32::Narrow(caption), "【始動・終了プログラム設定】");
    EXPECT_EQ(TextOf(dialog, ids::program::IdOf(ids::program::kProgram, 0, 0)), "notepad.exe");
    SelectTab(dialog, ids::kTabs, 1);
    SetTextOf(dialog, ids::program::IdOf(ids::program::kProgram, 1, 1), "\\x");
    SetTextOf(dialog, ids::program::IdOf(ids::program::kArguments, 1, 0), "--end");
    Click(dialog, ids::program::IdOf(ids::program::kWait, 1, 1));
    SelectTab(dialog, ids::kTabs, 0);
    {
        QuestionAnswerer answerer({IDNO});
        Click(dialog, IDOK);
        ASSERT_EQ(answerer.Texts().size(), 1u);
        EXPECT_NE(answerer.Texts()[0].find(win32::Wide("実行ファイルの指定に誤りがあります。")),
                  std::wstring::npos);
    }
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ(SelectedTab(dialog, ids::kTabs), 1);
    EXPECT_EQ(GetFocus(), Find(dialog, ids::program::IdOf(ids::program::kProgram, 1, 1)));
    {
        QuestionAnswerer answerer({IDYES});
        Click(dialog, IDOK);
    }
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(editor.lastStored);
    EXPECT_FALSE(editor.lastRedraw);
    EXPECT_EQ(editor.model->startPrograms[0], (definition::ProgramEntry{"notepad.exe", "", 0, 3}));
    EXPECT_EQ(editor.model->endPrograms[0], (definition::ProgramEntry{"", "--end", 0, 0}));
    EXPECT_EQ(editor.model->endPrograms[1], (definition::ProgramEntry{"\\x", "", 1, 0}));
}

TEST_F(DialogWindowTest, PageStartProgramsHaveOneTab) {
    ASSERT_TRUE(dialogs.OpenPageStartPrograms(owner.get(), 4));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    EXPECT_EQ(SendMessageW(Find(dialog, ids::kTabs), TCM_GETITEMCOUNT, 0, 0), 1);
    SetTextOf(dialog, ids::program::IdOf(ids::program::kProgram, 0, 1), "HTTP://intranet/");
    Click(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(editor.model->Page(4).pageStarts[1].program, "HTTP://intranet/");
    EXPECT_TRUE(editor.model->Page(4).defined);
    EXPECT_EQ(editor.model->endPrograms[1], definition::ProgramEntry{});
}

TEST_F(DialogWindowTest, TitleTextFontAndColours) {
    editor.model->Page(2).Title(2).fontSize = 20;
    ASSERT_TRUE(dialogs.OpenTitle(owner.get(), 2, 2));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    EXPECT_EQ(TextOf(dialog, ids::title::kTextLabel), "副タイトル名称");
    EXPECT_TRUE(IsWindowEnabled(Find(dialog, ids::kFontClearButton)));
    EXPECT_EQ(TextOf(dialog, ids::kFontSummary), "20pt");
    SetTextOf(dialog, ids::title::kText, "Sub");
    Click(dialog, ids::kFontClearButton);
    EXPECT_FALSE(IsWindowEnabled(Find(dialog, ids::kFontClearButton)));
    EXPECT_EQ(TextOf(dialog, ids::kFontSummary), "");
    EXPECT_EQ(GetFocus(), Find(dialog, ids::kFontButton));
    SelectTab(dialog, ids::kTabs, 2);
    EXPECT_EQ(TextOf(dialog, ids::title::kHeading + 2), "副タイトル背景カラー");
    ClickAt(Find(dialog, ids::title::kPalette + 2), 1 * (405 + 1260) + 170, 4 * 405 + 120 + 170);  // "透"
    Click(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    const definition::PageTitle& t = editor.model->Page(2).Title(2);
    EXPECT_EQ(t.text, "Sub");
    EXPECT_EQ(t.fontSize, 0);
    EXPECT_EQ(t.backColour, definition::kTransparent);
    EXPECT_TRUE(editor.lastRedraw);
}

TEST_F(DialogWindowTest, BarTitleOnPageOneSetsTheCommonBackground) {
    ASSERT_TRUE(dialogs.OpenBarTitle(owner.get(), 1));
    HWND dialog = dialogs.OpenDialog();
    Pump();
    EXPECT_TRUE(IsWindowVisible(Find(dialog, ids::title::kCommon)) ||
                !IsWindowVisible(Find(dialog, ids::kTabs)));
    SetTextOf(dialog, ids::title::kText, "Office");
    Click(dialog, ids::title::kCommon);
    Click(dialog, ids::title::kWaitFirst + 2);
    SelectTab(dialog, ids::kTabs, 1);
    ClickAt(Find(dialog, ids::title::kPalette), (21 % 12) * 405 + 170, (21 / 12) * 405 + 170);  // B1
    SelectTab(dialog, ids::kTabs, 2);
    SetTextOf(dialog, ids::title::kPicture, "\\pics\\a.bmp");
    {
        QuestionAnswerer answerer({IDNO});
        Click(dialog, IDOK);
        ASSERT_EQ(answerer.Texts().size(), 1u);
        EXPECT_NE(answerer.Texts()[0].find(win32::Wide("背景ファイルの指定に誤りがあります。")),
                  std::wstring::npos);
    }
    ASSERT_TRUE(IsWindow(dialog));
    EXPECT_EQ(GetFocus(), Find(dialog, ids::title::kPicture));
    SetTextOf(dialog, ids::title::kPicture, "");
    Click(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(editor.model->commonBackground);
    EXPECT_EQ(editor.model->Page(1).barTitle, (definition::BarTitle{"Office", 0xFFC0C0, "", 0}));
    EXPECT_EQ(editor.model->Page(1).pageWaitMode, 2);

    // On another page the box is not offered.
    ASSERT_TRUE(dialogs.OpenBarTitle(owner.get(), 2));
    dialog = dialogs.OpenDialog();
    Pump();
    EXPECT_FALSE(IsWindowVisible(Find(dialog, ids::title::kCommon)));
    Click(dialog, IDCANCEL);
}

}  // namespace
}  // namespace torva::test
