// The password dialog, the message input box and the timed starts, through the real menu program.
#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

constexpr int kGuideId = 101;
constexpr int kEntryId = 102;

std::vector<std::string> PasswordMenu(const MenuSession& s, const std::vector<std::string>& extra = {}) {
    std::vector<std::string> lines{"[VER8.05]", "[MODE1]"};
    lines.insert(lines.end(), extra.begin(), extra.end());
    lines.push_back("[PAGE1]");
    lines.push_back(ProbeButton(s, 1, "guarded", 0, "Pa55", ""));
    lines.push_back(ProbeButton(s, 2, "guided", 0, "x", "管理者パスワード"));
    return lines;
}

std::optional<HWND> WaitForPasswordDialog(const MenuSession& s, Millis timeout = kDefaultTimeout) {
    WindowQuery query;
    query.processId = const_cast<MenuSession&>(s).Program().Id();
    query.className = "#32770";
    query.caption = "TORVA";
    return WaitForWindow(query, timeout);
}

void TypeAndOk(HWND dialog, const std::string& text) {
    const auto entry = FindControlById(dialog, kEntryId);
    ASSERT_TRUE(entry.has_value());
    SendMessageW(entry->hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(win32::Wide(text).c_str()));
    const auto ok = FindControlById(dialog, IDOK);
    ASSERT_TRUE(ok.has_value());
    ClickButton(ok->hwnd);
}

TEST(PasswordE2E, LayoutAndTexts) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(PasswordMenu(s)));
    s.Click(1);
    const auto dialog = WaitForPasswordDialog(s);
    ASSERT_TRUE(dialog.has_value());
    const RECT client = ClientRectOnScreen(*dialog);
    EXPECT_EQ(Width(client), 361);  // 5415 x 975 twips
    EXPECT_EQ(Height(client), 65);
    const auto guide = FindControlById(*dialog, kGuideId);
    ASSERT_TRUE(guide.has_value());
    EXPECT_EQ(guide->text, "パスワードを入力して下さい。");
    EXPECT_EQ(guide->inParent.left, 4);
    EXPECT_EQ(guide->inParent.top, 8);
    const auto entry = FindControlById(*dialog, kEntryId);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->inParent.left, 4);
    EXPECT_EQ(entry->inParent.top, 36);
    EXPECT_EQ(Width(entry->inParent), 265);
    EXPECT_EQ(Height(entry->inParent), 25);
    EXPECT_NE(WindowStyle(entry->hwnd) & ES_PASSWORD, 0);
    EXPECT_EQ(SendMessageW(entry->hwnd, EM_GETPASSWORDCHAR, 0, 0), L'*');
    const auto ok = FindControlById(*dialog, IDOK);
    const auto cancel = FindControlById(*dialog, IDCANCEL);
    ASSERT_TRUE(ok && cancel);
    EXPECT_EQ(ok->text, "OK");
    EXPECT_EQ(cancel->text, "ｷｬﾝｾﾙ");
    EXPECT_EQ(ok->inParent.left, 276);
    EXPECT_EQ(ok->inParent.top, 4);
    EXPECT_EQ(cancel->inParent.top, 36);
    EXPECT_EQ(Width(ok->inParent), 81);
    // Centred on the screen.
    const RECT outer = WindowRectOnScreen(*dialog);
    EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    PostMessageW(*dialog, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(*dialog); }));
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_TRUE(s.RecordsWithArg("guarded").empty());  // closing any other way cancels
}

TEST(PasswordE2E, WrongEntryStaysSelectedEscCancelsRightEntryRuns) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(PasswordMenu(s)));
    s.Click(2);
    auto dialog = WaitForPasswordDialog(s);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(FindControlById(*dialog, kGuideId)->text, "管理者パスワード");

    TypeAndOk(*dialog, "X");  // case matters
    ASSERT_TRUE(WaitUntilSettled(*dialog));
    ASSERT_TRUE(IsWindow(*dialog));
    HWND entry = FindControlById(*dialog, kEntryId)->hwnd;
    DWORD start = 0, end = 0;
    SendMessageW(entry, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);

    PostKey(entry, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(*dialog); }));
    ASSERT_TRUE(WaitUntilSettled(s.Menu()));
    EXPECT_TRUE(s.RecordsWithArg("guided").empty());

    s.Click(1);
    dialog = WaitForPasswordDialog(s);
    ASSERT_TRUE(dialog.has_value());
    TypeAndOk(*dialog, "Pa55 ");  // no trimming
    ASSERT_TRUE(WaitUntilSettled(*dialog));
    ASSERT_TRUE(IsWindow(*dialog));
    entry = FindControlById(*dialog, kEntryId)->hwnd;
    SendMessageW(entry, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Pa55"));
    PostKey(entry, VK_RETURN);  // Enter confirms
    EXPECT_TRUE(s.WaitForRecordWithArg("guarded"));
    EXPECT_FALSE(IsWindow(*dialog));
}

TEST(TimedStartE2E, ElapsedStartsFireInTheirMinuteOrderAndAskThePassword) {
    // The test build counts the timed starts' minutes in 800 ms, so their order shows in seconds.
    SessionOptions options = ActivationOptions();
    options.environment["TORVA_MINUTE_MS"] = "800";
    MenuSession s(options);
    // After two "minutes" button 1 of page 1 (with its password); after one, button 3, which moves to
    // page 2: the later start acts on its own page, whatever page is shown by then.
    auto lines = PasswordMenu(s, {"[TIMER]", "AFT1,00:02,1,1", "AFT2,00:01,1,3"});
    lines.push_back("CMD3,,OFF,\"Next\",,,,,,,,PAGE2,,,");
    lines.push_back("[PAGE2]");
    lines.push_back("VARTITLE,\"Second\",,0");
    ASSERT_TRUE(s.Start(lines));
    const auto dialog = WaitForPasswordDialog(s, Millis(30000));
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(WindowText(s.Menu()), "Second") << "the one-minute start fired first";
    TypeAndOk(*dialog, "Pa55");
    EXPECT_TRUE(s.WaitForRecordWithArg("guarded"));
    // One-shot: no second prompt a minute later is checked by the unit tests; here the run ends.
}

TEST(InputBoxE2E, RemoteMessageAsksForTheTextAndSendsIt) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(
        s.Start({"[VER8.05]", "[RCTL]", "[MODE1]", "[PAGE1]", "CMD1,,OFF,\"Msg\",,,,,,,,\"RMSG:.\",,,"}));
    s.Click(1);
    WindowQuery query;
    query.processId = s.Program().Id();
    query.className = "#32770";
    query.caption = "TORVA";
    auto box = WaitForWindow(query);
    ASSERT_TRUE(box.has_value());
    const auto prompt = FindControlById(*box, 101);
    ASSERT_TRUE(prompt.has_value());
    EXPECT_EQ(prompt->text, ". に送信するメッセージを入力して下さい。");
    // Cancel sends nothing.
    ClickButton(FindControlById(*box, IDCANCEL)->hwnd);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(*box); }));
    // A marker sent now arrives after anything the cancelled box could have sent: once the menu has
    // shown the marker, an earlier message would have been shown before it.
    ASSERT_TRUE(WriteLocalMailslot("9999MARKER:marker"));
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& r : s.ProbeRecords()) {
            if (r.commandLine.find("MARKER:marker") != std::string::npos) return true;
        }
        return false;
    }));
    for (const auto& r : s.ProbeRecords()) {
        if (r.commandLine.find("Tvrmsg.exe") != std::string::npos) {
            EXPECT_NE(r.commandLine.find("MARKER:marker"), std::string::npos) << "cancel sent nothing";
        }
    }

    s.Click(1);
    box = WaitForWindow(query);
    ASSERT_TRUE(box.has_value());
    SendMessageW(FindControlById(*box, 102)->hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"昼食:12時"));
    ClickButton(FindControlById(*box, IDOK)->hwnd);
    // The menu receives its own message and starts the viewer with sender and text.
    std::string viewer;
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& r : s.ProbeRecords()) {
            if (r.commandLine.find("Tvrmsg.exe") != std::string::npos &&
                r.commandLine.find("MARKER:marker") == std::string::npos)
                viewer = r.commandLine;
        }
        return !viewer.empty();
    }));
    const auto colon = viewer.find(':', viewer.find("Tvrmsg.exe "));
    ASSERT_NE(colon, std::string::npos);
    EXPECT_EQ(viewer.substr(colon), ":昼食:12時");
}

}  // namespace
}  // namespace torva::e2e
