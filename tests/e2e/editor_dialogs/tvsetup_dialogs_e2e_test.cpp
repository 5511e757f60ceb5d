// The definition dialogs end to end: opened from Tvsetup.exe by its keys and menu commands, filled in
// through their controls from outside the editor, confirmed, saved, and the file holds exactly the
// lines the dialogs made.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <functional>

#include "dialog_driver.h"
#include "editor/win32/dialogs/control_ids.h"
#include "platform/win32/wide.h"
#include "tvsetup_session.h"

namespace torva::e2e {
namespace {

namespace ids = editor::win32::ids;

const std::vector<std::string> kEmptyMenu = {"[VER8.05]", "[MODE1]", "[PAGE1]"};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(TvsetupDialogs, ButtonDialogStoresEveryTabAndTheFileHoldsIt) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kEmptyMenu));
    s.Key(VK_DOWN);
    s.Key(VK_DOWN);
    ASSERT_EQ(s.Selected(), 1);
    s.Key(VK_RETURN);
    HWND dialog = WaitForDialog(s, "【ボタン設定】");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(s.Window()));

    Type(dialog, ids::button::kCaption, "メモ帳");
    Press(dialog, ids::button::kActionFirst + 1);  // "ﾌﾟﾛｸﾞﾗﾑ実行"
    Type(dialog, ids::button::kProgram, "notepad.exe");
    Type(dialog, ids::button::kArguments, "readme.txt");
    Press(dialog, ids::button::kWaitFirst + 3);
    NextTab(dialog);
    Type(dialog, ids::button::kIconFile, "shell32.dll");
    ClickTwips(ControlOf(dialog, ids::button::kIconStrip), 5 * 570 + 270, 270);
    Type(dialog, ids::button::kPassword, "secret");
    NextTab(dialog);
    PickCell(ControlOf(dialog, ids::button::kCaptionPalette), 23);
    NextTab(dialog);
    PickCell(ControlOf(dialog, ids::button::kBackPalette), 49);  // "透過色"
    Press(dialog, IDOK);
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption("【ボタン設定】")));
    s.Settle();
    EXPECT_TRUE(IsWindowEnabled(s.Window()));

    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text,
                         "[PAGE1]\r\nCMD1,\"shell32.dll|5\",OFF,\"メモ帳\",,,,B,X,,,"
                         "\"CMD:notepad.exe readme.txt\",3,\"secret\",\r\n"))
        << text;

    // Opened again, the dialog shows the values.
    s.Key(VK_RETURN);
    dialog = WaitForDialog(s, "【ボタン設定】");
    ASSERT_NE(dialog, nullptr);
    s.Settle();
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::button::kCaption)), "メモ帳");
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::button::kProgram)), "notepad.exe");
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::button::kIconFile)), "shell32.dll");
    EXPECT_TRUE(IsChecked(dialog, ids::button::kWaitFirst + 3));
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption("【ボタン設定】")));
}

TEST(TvsetupDialogs, TimedStartsFromTheMenuAreSavedAsHoursAndMinutes) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kEmptyMenu));
    s.Command(cmd::kTimedStarts);
    HWND dialog = WaitForDialog(s, "【時間起動ボタン設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::timed::kTime, "7:5");
    Type(dialog, ids::timed::kPage, "1");
    Type(dialog, ids::timed::kButton, "3");
    Press(dialog, ids::timed::kSideFirst + 1);
    Type(dialog, ids::timed::kTime + 1, "23:59");
    Type(dialog, ids::timed::kPage + 1, "1");
    Type(dialog, ids::timed::kButton + 1, "12");
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【時間起動ボタン設定】");
    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text, "[TIMER]\r\nAFT1,07:05,1,3\r\nTIM2,23:59,1,12\r\n")) << text;
}

TEST(TvsetupDialogs, CancelChangesNothing) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kEmptyMenu));
    const std::string before = s.ReadDefinitionText();
    s.Command(cmd::kStartEnd);
    HWND dialog = WaitForDialog(s, "【始動・終了プログラム設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::program::IdOf(ids::program::kProgram, 0, 0), "notepad.exe");
    Press(dialog, IDCANCEL);
    WaitForDialogClosed(s, "【始動・終了プログラム設定】");
    s.Command(cmd::kSave);
    EXPECT_EQ(s.ReadDefinitionText().find("[STREND]"), std::string::npos);
}

// Every dialog, opened by a click on its slot or title or from its menu entry, with a box changed and then
// cancelled: nothing changed, so the editor closes without asking and the file is as it was.
TEST(TvsetupDialogs, CancelInEveryDialogChangesNothing) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn({"[VER8.05]", "[MODE1]", "[PAGE1]", SlotLine(1, "One")}));
    const std::string before = s.ReadDefinitionText();
    struct Case {
        std::function<void()> open;
        std::string caption;
        int box;
    };
    const Case cases[] = {
        {[&] { s.Click(1); }, "【ボタン設定】", ids::button::kCaption},
        {[&] { s.Click(91); }, "【主タイトル設定】", ids::title::kText},
        {[&] { s.Click(92); }, "【副タイトル設定】", ids::title::kText},
        {[&] { s.Command(cmd::kBarTitle); }, "【バータイトル設定】", ids::title::kText},
        {[&] { s.Command(cmd::kPageStarts); }, "【ページ始動プログラム設定】",
         ids::program::IdOf(ids::program::kProgram, 0, 0)},
        {[&] { s.Command(cmd::kStartEnd); }, "【始動・終了プログラム設定】",
         ids::program::IdOf(ids::program::kProgram, 0, 1)},
        {[&] { s.Command(cmd::kTimedStarts); }, "【時間起動ボタン設定】", ids::timed::kTime},
    };
    for (const Case& c : cases) {
        c.open();
        HWND dialog = WaitForDialog(s, c.caption);
        ASSERT_NE(dialog, nullptr) << c.caption;
        EXPECT_FALSE(IsWindowEnabled(s.Window())) << c.caption;
        Type(dialog, c.box, "12:00");
        Press(dialog, IDCANCEL);
        WaitForDialogClosed(s, c.caption);
        EXPECT_TRUE(IsWindowEnabled(s.Window())) << c.caption;
    }
    PostSysCommand(s.Window(), SC_CLOSE);
    EXPECT_TRUE(s.Program().WaitForExit(Millis(10000))) << "the editor asked to save";
    EXPECT_EQ(s.ReadDefinitionText(), before);
}

// The system font dialog's controls: face, style and size boxes.
constexpr int kFontFace = 0x470, kFontStyle = 0x471, kFontSize = 0x472;

// Chooses an entry of a box of the font dialog as the user's pick does.
void ChooseInFontBox(HWND fontDialog, int id, const std::string& text) {
    HWND box = ControlOf(fontDialog, id);
    ASSERT_NE(box, nullptr) << id;
    const std::wstring wide = win32::Wide(text);
    ASSERT_NE(SendTo(box, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str())),
              CB_ERR)
        << text;
    SendTo(fontDialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

// The main title from a click on it: text, a font from the system font dialog, both colours; the
// font summary shows the choice and "消去" becomes available; the file holds the title line.
TEST(TvsetupDialogs, MainTitleWithAFontFromTheSystemFontDialog) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kEmptyMenu));
    s.Click(91);
    HWND dialog = WaitForDialog(s, "【主タイトル設定】");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowEnabled(ControlOf(dialog, ids::kFontClearButton)));
    Type(dialog, ids::title::kText, "見出し");
    auto openFontDialog = [&] {
        ClickButton(ControlOf(dialog, ids::kFontButton));  // posted: the font dialog is modal
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND w : FindTopLevelWindows(WindowQuery().OfProcess(s.Program().Id()).OfClass("#32770"))) {
                if (w != dialog && ControlOf(w, kFontFace)) found = w;
            }
            return found != nullptr;
        });
        return found;
    };
    // Confirmed with nothing chosen, the font dialog changes nothing.
    HWND font = openFontDialog();
    ASSERT_NE(font, nullptr);
    PostMessageW(font, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(font); }));
    s.Settle();
    EXPECT_FALSE(IsWindowEnabled(ControlOf(dialog, ids::kFontClearButton)));
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::kFontSummary)), "");
    font = openFontDialog();
    ASSERT_NE(font, nullptr);
    ChooseInFontBox(font, kFontFace, "Tahoma");
    ChooseInFontBox(font, kFontStyle, "Bold");
    ChooseInFontBox(font, kFontSize, "20");
    PostMessageW(font, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(font); }));
    s.Settle();
    EXPECT_TRUE(IsWindowEnabled(ControlOf(dialog, ids::kFontClearButton)));
    EXPECT_NE(WindowText(ControlOf(dialog, ids::kFontSummary)).find("Tahoma"), std::string::npos);
    NextTab(dialog);
    PickCell(ControlOf(dialog, ids::title::kPalette + 1), 27);  // R4
    NextTab(dialog);
    PickCell(ControlOf(dialog, ids::title::kPalette + 2), 50);  // semi-transparent
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【主タイトル設定】");
    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text, "[PAGE1]\r\nTITLE1,\"見出し\",Tahoma,Bold,20,R4,H\r\n")) << text;
}

TEST(TvsetupDialogs, StartProgramsAndTheCommonBarTitle) {
    TvsetupSession s;
    ASSERT_TRUE(
        s.StartOn({"[VER8.05]", "[MODE1]", "[PAGE1]", SlotLine(1, "One"), "[PAGE2]", SlotLine(1, "Two")}));
    s.Command(cmd::kStartEnd);
    HWND dialog = WaitForDialog(s, "【始動・終了プログラム設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::program::IdOf(ids::program::kProgram, 0, 0), "notepad.exe");
    Type(dialog, ids::program::IdOf(ids::program::kArguments, 0, 0), "start.txt");
    Press(dialog, ids::program::IdOf(ids::program::kWait, 0, 0));
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【始動・終了プログラム設定】");

    s.Command(cmd::kBarTitle);
    dialog = WaitForDialog(s, "【バータイトル設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::title::kText, "Office");
    // Two pages with the same (empty) bar title open with the common box ticked; tick it either way.
    if (!IsChecked(dialog, ids::title::kCommon)) Press(dialog, ids::title::kCommon);
    ASSERT_TRUE(IsChecked(dialog, ids::title::kCommon));
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::title::kText)), "Office");
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【バータイトル設定】");
    s.Command(cmd::kBarTitle);
    dialog = WaitForDialog(s, "【バータイトル設定】");
    ASSERT_NE(dialog, nullptr);
    s.Settle();
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::title::kText)), "Office");
    Press(dialog, IDCANCEL);
    WaitForDialogClosed(s, "【バータイトル設定】");

    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text, "[STREND]\r\nSTR1,\"notepad.exe start.txt\",1\r\n")) << text;
    EXPECT_TRUE(Contains(text, "[PAGE1]\r\nVARTITLE,\"Office\",,0\r\n")) << text;
    EXPECT_TRUE(Contains(text, "[PAGE2]\r\nVARTITLE,\"Office\",,0\r\n")) << text;
}

}  // namespace
}  // namespace torva::e2e
