// The definition dialogs end to end: opened from Tvsetup.exe by its keys and menu commands, filled in
// through their controls from outside the editor, confirmed, saved, and the file holds exactly the
// lines the dialogs made.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include "common/twips.h"
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

HWND WaitForDialog(TvsetupSession& s, const std::string& caption) {
    const auto dialog =
        WaitForWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption(caption), Millis(15000));
    return dialog ? *dialog : nullptr;
}

HWND ControlOf(HWND dialog, int id) {
    const auto control = FindControlById(dialog, id);
    return control ? control->hwnd : nullptr;
}

// Sent messages return once the editor has handled them, so each step is done before the next.
LRESULT Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

void Type(HWND dialog, int id, const std::string& text) {
    const std::wstring wide = win32::Wide(text);
    HWND control = ControlOf(dialog, id);
    Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    // Leaving the box runs its rules, as the user's next Tab would.
    Send(control, WM_KILLFOCUS, 0, 0);
}

void Press(HWND dialog, int id) {
    Send(ControlOf(dialog, id), BM_CLICK);
}

// The tab control changes its page on an arrow key, as when the user clicks a tab.
void NextTab(HWND dialog) {
    Send(ControlOf(dialog, ids::kTabs), WM_KEYDOWN, VK_RIGHT);
}

// A left click on a control at a point given in twips from its corner (the editor's screen has the
// resolution of this one).
void ClickTwips(HWND control, int xTwips, int yTwips) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const LPARAM at = MAKELPARAM(TwipsToPixels(xTwips, dpi), TwipsToPixels(yTwips, dpi));
    Send(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Send(control, WM_LBUTTONUP, 0, at);
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
    ClickTwips(ControlOf(dialog, ids::button::kCaptionPalette), (23 % 12) * 405 + 170, (23 / 12) * 405 + 170);
    NextTab(dialog);
    ClickTwips(ControlOf(dialog, ids::button::kBackPalette), 1665 + 170, 4 * 405 + 120 + 170);  // "透"
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
    EXPECT_EQ(Send(ControlOf(dialog, ids::button::kWaitFirst + 3), BM_GETCHECK), BST_CHECKED);
    Press(dialog, IDCANCEL);
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption("【ボタン設定】")));
}

namespace menu {
// Edit menu commands of the editor.
inline constexpr int kBarTitle = 206, kPageStarts = 207, kStartEnd = 209, kTimedStarts = 210;
}  // namespace menu

void WaitClosed(TvsetupSession& s, const std::string& caption) {
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption(caption)));
    s.Settle();
}

TEST(TvsetupDialogs, TimedStartsFromTheMenuAreSavedAsHoursAndMinutes) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kEmptyMenu));
    s.Command(menu::kTimedStarts);
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
    WaitClosed(s, "【時間起動ボタン設定】");
    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text, "[TIMER]\r\nAFT1,07:05,1,3\r\nTIM2,23:59,1,12\r\n")) << text;
}

TEST(TvsetupDialogs, CancelChangesNothing) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kEmptyMenu));
    const std::string before = s.ReadDefinitionText();
    s.Command(menu::kStartEnd);
    HWND dialog = WaitForDialog(s, "【始動・終了プログラム設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::program::IdOf(ids::program::kProgram, 0, 0), "notepad.exe");
    Press(dialog, IDCANCEL);
    WaitClosed(s, "【始動・終了プログラム設定】");
    s.Command(cmd::kSave);
    EXPECT_EQ(s.ReadDefinitionText().find("[STREND]"), std::string::npos);
}

TEST(TvsetupDialogs, StartProgramsAndTheCommonBarTitle) {
    TvsetupSession s;
    ASSERT_TRUE(
        s.StartOn({"[VER8.05]", "[MODE1]", "[PAGE1]", SlotLine(1, "One"), "[PAGE2]", SlotLine(1, "Two")}));
    s.Command(menu::kStartEnd);
    HWND dialog = WaitForDialog(s, "【始動・終了プログラム設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::program::IdOf(ids::program::kProgram, 0, 0), "notepad.exe");
    Type(dialog, ids::program::IdOf(ids::program::kArguments, 0, 0), "start.txt");
    Press(dialog, ids::program::IdOf(ids::program::kWait, 0, 0));
    Press(dialog, IDOK);
    WaitClosed(s, "【始動・終了プログラム設定】");

    s.Command(menu::kBarTitle);
    dialog = WaitForDialog(s, "【バータイトル設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, ids::title::kText, "Office");
    // Two pages with the same (empty) bar title open with the common box ticked; tick it either way.
    if (Send(ControlOf(dialog, ids::title::kCommon), BM_GETCHECK) != BST_CHECKED) {
        Press(dialog, ids::title::kCommon);
    }
    ASSERT_EQ(Send(ControlOf(dialog, ids::title::kCommon), BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::title::kText)), "Office");
    Press(dialog, IDOK);
    WaitClosed(s, "【バータイトル設定】");
    s.Command(menu::kBarTitle);
    dialog = WaitForDialog(s, "【バータイトル設定】");
    ASSERT_NE(dialog, nullptr);
    s.Settle();
    EXPECT_EQ(WindowText(ControlOf(dialog, ids::title::kText)), "Office");
    Press(dialog, IDCANCEL);
    WaitClosed(s, "【バータイトル設定】");

    s.Command(cmd::kSave);
    const std::string text = s.ReadDefinitionText();
    EXPECT_TRUE(Contains(text, "[STREND]\r\nSTR1,\"notepad.exe start.txt\",1\r\n")) << text;
    EXPECT_TRUE(Contains(text, "[PAGE1]\r\nVARTITLE,\"Office\",,0\r\n")) << text;
    EXPECT_TRUE(Contains(text, "[PAGE2]\r\nVARTITLE,\"Office\",,0\r\n")) << text;
}

}  // namespace
}  // namespace torva::e2e
