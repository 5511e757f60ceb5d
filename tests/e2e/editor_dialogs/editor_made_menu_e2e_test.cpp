// A menu made only through the editor's windows, from an empty editor to the file saved through the
// save dialog: every action of the button dialog, every slot of the extended mode, both titles, a bar
// title with a picture shared by every page, timed starts, start, end and page start programs. The
// saved file holds exactly the lines the dialogs made, and the menu program runs it: its buttons show
// what the editor showed, and the programs start when the menu starts, when a page is shown, when a
// button is clicked, when a timed start fires and when the menu ends.

#include <gtest/gtest.h>
#include <windows.h>

#include "dialog_driver.h"
#include "editor/win32/dialogs/control_ids.h"
#include "tvsetup_session.h"

namespace torva::e2e {
namespace {

namespace ids = editor::win32::ids;

constexpr const char* kButtonDialog = "【ボタン設定】";
constexpr uint32_t kPictureColour = 0x00C08040;

// What the button dialog is given for one slot. action 0: no action option is chosen.
struct SlotPlan {
    int slot = 0;
    int action = 0;
    std::string program;  // the program, or the remote computer of the remote actions
    std::string arguments;
    std::string page;
    std::string button;
    int wait = 0;
    std::string line;  // the line the file must hold
};

std::string Caption(int slot) {
    return "ボタン" + std::to_string(slot);
}

// Slot n holds action n - 1; the five slots left run the probe in every wait mode.
std::vector<SlotPlan> PageOnePlan() {
    auto line = [](int n, const std::string& command, const std::string& option = "") {
        return "CMD" + std::to_string(n) + ",,OFF,\"" + Caption(n) + "\",,,,,,,," + command + "," + option +
               ",,";
    };
    std::vector<SlotPlan> plan = {
        {1, 0, "", "", "", "", 0, line(1, "\"CMD:\"")},
        {2, 1, "TvProbe.exe", "slot2", "", "", 0, line(2, "\"CMD:TvProbe.exe slot2\"", "0")},
        {3, 2, "", "", "2", "", 0, line(3, "PAGE2")},
        {4, 3, "", "", "", "", 0, line(4, "END")},
        {5, 4, "", "", "", "", 0, line(5, "SCR")},
        {6, 5, "", "", "", "", 0, line(6, "LOFF")},
        {7, 6, "", "", "", "", 0, line(7, "SDWN")},
        {8, 7, "", "", "", "", 0, line(8, "POFF")},
        {9, 8, "", "", "", "", 0, line(9, "REBT")},
        {10, 9, "", "", "", "", 0, line(10, "LOFF", "1")},
        {11, 10, "", "", "", "", 0, line(11, "SDWN", "1")},
        {12, 11, "", "", "", "", 0, line(12, "POFF", "1")},
        {13, 12, "", "", "", "", 0, line(13, "REBT", "1")},
        {14, 13, "PC01", "bye", "", "", 0, line(14, "\"RSDWN:PC01 bye\"")},
        {15, 14, "PC01", "", "", "", 0, line(15, "\"RREBT:PC01\"")},
        {16, 15, "PC02", "", "", "", 0, line(16, "\"RSDWN:PC02\"", "1")},
        {17, 16, "PC02", "again", "", "", 0, line(17, "\"RREBT:PC02 again\"", "1")},
        {18, 17, "PC03", "hello", "", "", 0, line(18, "\"RMSG:PC03 hello\"")},
        {19, 18, "PC03", "", "1", "12", 0, line(19, "\"RCTL:PC03 1 12\"")},
    };
    for (int n = 20; n <= 24; ++n) {
        const std::string args = "slot" + std::to_string(n);
        plan.push_back({n, 1, "TvProbe.exe", args, "", "", n - 20,
                        line(n, "\"CMD:TvProbe.exe " + args + "\"", std::to_string(n - 20))});
    }
    return plan;
}

void DefineSlot(TvsetupSession& s, const SlotPlan& plan, const std::string& caption) {
    namespace b = ids::button;
    s.Click(plan.slot);  // a click on a slot opens its dialog
    HWND dialog = WaitForDialog(s, kButtonDialog);
    ASSERT_NE(dialog, nullptr) << "slot " << plan.slot;
    Type(dialog, b::kCaption, caption);
    if (plan.action != 0) Press(dialog, b::kActionFirst + plan.action);
    if (plan.action == 1) {
        Type(dialog, b::kProgram, plan.program);
        Type(dialog, b::kArguments, plan.arguments);
        Press(dialog, b::kWaitFirst + plan.wait);
    } else if (plan.action == 2) {
        Type(dialog, b::kPage, plan.page);
    } else if (plan.action >= 13 && plan.action <= 17) {
        Type(dialog, b::kRemote, plan.program);
        Type(dialog, b::kArguments, plan.arguments);
    } else if (plan.action == 18) {
        Type(dialog, b::kRemote, plan.program);
        Type(dialog, b::kPage, plan.page);
        Type(dialog, b::kButtonNumber, plan.button);
    }
    Press(dialog, IDOK);
    WaitForDialogClosed(s, kButtonDialog);
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty()) << "slot " << plan.slot;
}

void DefineTitles(TvsetupSession& s) {
    namespace t = ids::title;
    s.Click(91);
    HWND dialog = WaitForDialog(s, "【主タイトル設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, t::kText, "総合メニュー");
    NextTab(dialog);
    PickCell(ControlOf(dialog, t::kPalette + 1), 6);  // R1
    NextTab(dialog);
    PickCell(ControlOf(dialog, t::kPalette + 2), 0);  // W
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【主タイトル設定】");

    s.Click(92);
    dialog = WaitForDialog(s, "【副タイトル設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, t::kText, "業務");
    NextTab(dialog);
    NextTab(dialog);
    PickCell(ControlOf(dialog, t::kPalette + 2), 49);  // transparent
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【副タイトル設定】");
}

// The picture typed into the bar title's picture box shows in its preview.
void DefineBarTitle(TvsetupSession& s) {
    namespace t = ids::title;
    s.Command(cmd::kBarTitle);
    HWND dialog = WaitForDialog(s, "【バータイトル設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, t::kText, "オフィス");
    Press(dialog, t::kWaitFirst + 2);
    if (!IsChecked(dialog, t::kCommon)) Press(dialog, t::kCommon);
    NextTab(dialog);
    NextTab(dialog);
    HWND preview = ControlOf(dialog, t::kPreview);
    auto showsPicture = [&] {
        return WaitUntilPainted(dialog) && CaptureWindow(preview, true).Count(kPictureColour) > 100;
    };
    EXPECT_FALSE(showsPicture());
    // Picked through the browse dialog, then typed relative to the program folder.
    ClickButton(ControlOf(dialog, t::kBrowse));
    AnswerFileDialog(s, "背景ファイル名参照", s.Folder().File("BACK.BMP"));
    EXPECT_EQ(WindowText(ControlOf(dialog, t::kPicture)), s.Folder().File("BACK.BMP"));
    EXPECT_TRUE(showsPicture()) << "the preview shows the picture chosen";
    Type(dialog, t::kPicture, "NONE.BMP");
    EXPECT_FALSE(showsPicture());
    Type(dialog, t::kPicture, "BACK.BMP");
    EXPECT_TRUE(showsPicture()) << "the preview shows the picture typed";
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【バータイトル設定】");
}

// Program entries of the start/end and page start dialogs: entry 1 of a tab.
void SetEntry(HWND dialog, int tab, const std::string& program, const std::string& arguments, bool wait) {
    namespace p = ids::program;
    Type(dialog, p::IdOf(p::kProgram, tab, 0), program);
    Type(dialog, p::IdOf(p::kArguments, tab, 0), arguments);
    Press(dialog, p::IdOf(wait ? p::kWait : p::kNoWait, tab, 0));
}

void DefinePageStart(TvsetupSession& s, const std::string& arguments) {
    s.Command(cmd::kPageStarts);
    HWND dialog = WaitForDialog(s, "【ページ始動プログラム設定】");
    ASSERT_NE(dialog, nullptr);
    SetEntry(dialog, 0, "TvProbe.exe", arguments, false);
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【ページ始動プログラム設定】");
}

void DefineStartAndEnd(TvsetupSession& s) {
    s.Command(cmd::kStartEnd);
    HWND dialog = WaitForDialog(s, "【始動・終了プログラム設定】");
    ASSERT_NE(dialog, nullptr);
    SetEntry(dialog, 0, "TvProbe.exe", "start1", false);
    NextTab(dialog);
    SetEntry(dialog, 1, "TvProbe.exe", "end1", true);
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【始動・終了プログラム設定】");
}

// An elapsed start after one minute on button 20 and a clock start on button 21: numbers a page of
// twelve buttons would refuse.
void DefineTimedStarts(TvsetupSession& s) {
    namespace t = ids::timed;
    s.Command(cmd::kTimedStarts);
    HWND dialog = WaitForDialog(s, "【時間起動ボタン設定】");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, t::kTime, "0:1");
    Type(dialog, t::kPage, "1");
    Type(dialog, t::kButton, "20");
    Press(dialog, t::kSideFirst + 1);
    Type(dialog, t::kTime, "23:59");
    Type(dialog, t::kPage, "1");
    Type(dialog, t::kButton, "21");
    Press(dialog, IDOK);
    WaitForDialogClosed(s, "【時間起動ボタン設定】");
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty());
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<Capture> CaptureButtons(HWND window, int firstId) {
    std::vector<Capture> buttons;
    for (int n = 1; n <= 24; ++n) {
        const auto control = FindControlById(window, firstId + n);
        buttons.push_back(control && control->visible ? CaptureWindow(control->hwnd, true) : Capture());
    }
    return buttons;
}

// The slot of the window that has the keyboard focus; 0 when none has it.
int FocusedSlot(HWND window) {
    HWND focus = FocusedWindow(window);
    return focus ? GetDlgCtrlID(focus) - kSlotId : 0;
}

bool HasRecordWithArg(const TvsetupSession& s, const std::string& arg) {
    return !RecordsWithArg(s.ProbeRecords(), arg).empty();
}

TEST(EditorMadeMenu, EveryActionSlotTitleAndProgramSavedAndRunByTheMenu) {
    TvsetupSession s(true);
    ASSERT_TRUE(CopyFileTo(ProgramPath("TvProbe.exe"), s.Folder().File("TvProbe.exe")));
    std::vector<uint32_t> pixels(32 * 32, kPictureColour);
    ASSERT_TRUE(Capture(32, 32, pixels).SaveBmp(s.Folder().File("BACK.BMP")));
    ASSERT_TRUE(s.Start(""));
    s.Command(cmd::Mode(9));

    const std::vector<SlotPlan> plan = PageOnePlan();
    for (const SlotPlan& slot : plan) {
        DefineSlot(s, slot, Caption(slot.slot));
        if (HasFailure()) return;
    }
    DefineTitles(s);
    DefineBarTitle(s);
    DefinePageStart(s, "page1");
    DefineStartAndEnd(s);
    DefineTimedStarts(s);
    s.Command(cmd::kNext);
    ASSERT_EQ(s.PageNumber(), "2");
    DefineSlot(s, {1, 2, "", "", "1", "", 0, ""}, "戻る");
    DefinePageStart(s, "page2");
    s.Command(cmd::kTop);
    ASSERT_FALSE(HasFailure());

    PostCommand(s.Window(), cmd::kSaveAs);
    AnswerFileDialog(s, "名前を付けてﾒﾆｭｰを保存", s.DefinitionPath());
    ASSERT_TRUE(WaitUntil([&] { return FileExists(s.DefinitionPath()); }));

    std::vector<std::string> expected = {"[VER8.05]",
                                         "[MODE9]",
                                         "[STREND]",
                                         "STR1,\"TvProbe.exe start1\",0",
                                         "END1,\"TvProbe.exe end1\",1",
                                         "[TIMER]",
                                         "AFT1,00:01,1,20",
                                         "TIM1,23:59,1,21",
                                         "[PAGE1]",
                                         "PSTR1,\"TvProbe.exe page1\",0",
                                         "VARTITLE,\"オフィス\",\"PIC:BACK.BMP\",2",
                                         "TITLE1,\"総合メニュー\",,,,R1,W",
                                         "TITLE2,\"業務\",,,,,X"};
    for (const SlotPlan& slot : plan) expected.push_back(slot.line);
    for (const char* line :
         {"[PAGE2]", "PSTR1,\"TvProbe.exe page2\",0", "VARTITLE,\"オフィス\",\"PIC:BACK.BMP\",2",
          "CMD1,,OFF,\"戻る\",,,,,,,,PAGE1,,,"}) {
        expected.push_back(line);
    }
    EXPECT_EQ(Lines(s.ReadDefinitionText()), expected) << s.ReadDefinitionText();

    // What the editor shows of page 1.
    const int selected = s.Selected();
    ASSERT_TRUE(WaitUntilPainted(s.Window()));
    const std::vector<Capture> preview = CaptureButtons(s.Window(), kSlotId);
    PostCommand(s.Window(), cmd::kExit);
    ASSERT_TRUE(s.Program().WaitForExit(Millis(15000)));

    // The menu program on the saved file; its minute is short so that the timed start fires soon.
    StartOptions start;
    start.arguments = "\"" + s.DefinitionPath() + "\"";
    start.workFolder = s.Folder().Path();
    start.environment["TORVA_PROBE_LOG"] = s.ProbeLogPath();
    start.environment["TORVA_PROBE_OPTIONS"] = "--exit 0";
    start.environment["TORVA_POWER_LOG"] = s.Folder().File("power.log");
    start.environment["TORVA_MINUTE_MS"] = "3000";
    Process menu = Process::Start(s.Folder().File("Torva.exe"), start);
    ASSERT_TRUE(menu.Valid());
    const auto window = WaitForWindow(WindowQuery().OfProcess(menu.Id()).OfClass("TORVAFM"), Millis(20000));
    for (const MessageBoxInfo& box : FindMessageBoxes(menu.Id()))
        ADD_FAILURE() << box.title << ": " << box.text;
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] { return HasRecordWithArg(s, "start1"); }));
    EXPECT_TRUE(WaitUntil([&] { return HasRecordWithArg(s, "page1"); }));
    EXPECT_EQ(WindowText(*window), "オフィス");

    // Every button shows what the editor showed for its slot (the menu's focused button carries its
    // focus rectangle, the editor's selected slot its frame; the timed start may be pressing button
    // 20). The menu paints again as its start programs come and go: compare until it is settled.
    std::string differing;
    const bool same = WaitUntil(
        [&] {
            differing.clear();
            if (!WaitUntilPainted(*window)) return false;
            const std::vector<Capture> buttons = CaptureButtons(*window, kSlotId);
            const int focused = FocusedSlot(*window);
            for (int n = 1; n <= 24; ++n) {
                if (n == focused || n == selected || n == 20) continue;
                const Capture& shown = buttons[static_cast<std::size_t>(n - 1)];
                if (shown.Empty() || shown.Similarity(preview[static_cast<std::size_t>(n - 1)]) < 1.0) {
                    differing += " " + std::to_string(n);
                }
            }
            return differing.empty();
        },
        Millis(15000));
    EXPECT_TRUE(same) << "buttons unlike the editor's slots:" << differing;

    // A click starts the button's program; the timed start presses button 20; button 3 shows page 2,
    // whose start program runs; the end program runs when the menu is closed.
    ClickAt(FindControlById(*window, kSlotId + 2)->hwnd, POINT{6, 6});
    EXPECT_TRUE(WaitUntil([&] { return HasRecordWithArg(s, "slot2"); }));
    EXPECT_TRUE(WaitUntil([&] { return HasRecordWithArg(s, "slot20"); }, Millis(20000)));
    ClickAt(FindControlById(*window, kSlotId + 3)->hwnd, POINT{6, 6});
    EXPECT_TRUE(WaitUntil([&] { return HasRecordWithArg(s, "page2"); }));
    PostMessageW(*window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(menu.WaitForExit(Millis(15000)));
    EXPECT_TRUE(HasRecordWithArg(s, "end1"));
    EXPECT_FALSE(FileExists(s.Folder().File("power.log"))) << "no power action was asked for";
}

}  // namespace
}  // namespace torva::e2e
