// Dialogs and controls land where their twips geometry says at the screen's resolution; tab pages
// show one page at a time and pass their controls' commands on to the dialog.
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "platform/win32/twips.h"
#include "tests/win32/ui/recording_report.h"
#include "ui/win32/dialog.h"
#include "ui/win32/tab_pages.h"

namespace torva::test {
namespace {

constexpr int kEntryId = 102;
constexpr int kTabsId = 200;
constexpr int kPageButtonId = 201;
constexpr TwipsRect kEntry{60, 540, 3975, 375};

RECT RectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class TwipsDialog : public ui::win32::Dialog {
  public:
    explicit TwipsDialog(RecordingReport& report) : Dialog(report) {}
    ui::win32::TabPages tabs;
    std::vector<int> commands;

  protected:
    void OnInit() override {
        Controls().Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER, kEntryId, kEntry);
        tabs.Create(Controls(), kTabsId, {60, 1200, 4500, 2400});
        tabs.AddPage(L"一");
        const int second = tabs.AddPage(L"二");
        tabs.Controls(second).Add(L"BUTTON", L"go", BS_PUSHBUTTON | WS_TABSTOP, kPageButtonId,
                                  {120, 120, 900, 375});
    }
    void OnCommand(int id, int notification) override {
        commands.push_back(id);
        Dialog::OnCommand(id, notification);
    }
    INT_PTR OnOtherMessage(UINT message, WPARAM, LPARAM lParam) override {
        if (message == WM_NOTIFY) return tabs.OnNotify(*reinterpret_cast<NMHDR*>(lParam)) ? TRUE : FALSE;
        return FALSE;
    }
};

TEST(TwipsLayout, ClientAreaAndControlsFollowTheScreensResolution) {
    RecordingReport report;
    TwipsDialog dialog(report);
    ASSERT_TRUE(dialog.ShowModeless(nullptr, L"twips", 5415, 3900));
    const int dpiX = win32::ScreenDpiX(), dpiY = win32::ScreenDpiY();

    RECT client{};
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, TwipsToPixels(5415, dpiX));
    EXPECT_EQ(client.bottom, TwipsToPixels(3900, dpiY));

    const RECT entry = RectInParent(GetDlgItem(dialog.Handle(), kEntryId));
    EXPECT_EQ(entry.left, TwipsToPixels(kEntry.left, dpiX));
    EXPECT_EQ(entry.top, TwipsToPixels(kEntry.top, dpiY));
    EXPECT_EQ(entry.right - entry.left, TwipsToPixels(kEntry.width, dpiX));
    EXPECT_EQ(entry.bottom - entry.top, TwipsToPixels(kEntry.height, dpiY));

    // Centred on the screen.
    RECT outer{};
    GetWindowRect(dialog.Handle(), &outer);
    EXPECT_LE(std::abs(outer.left + outer.right - GetSystemMetrics(SM_CXSCREEN)), 1);
    EXPECT_LE(std::abs(outer.top + outer.bottom - GetSystemMetrics(SM_CYSCREEN)), 1);
    EXPECT_TRUE(report.texts.empty());
}

TEST(TabPagesInADialog, OnePageShowsAtATimeAndItsCommandsReachTheDialog) {
    RecordingReport report;
    TwipsDialog dialog(report);
    ASSERT_TRUE(dialog.ShowModeless(nullptr, L"tabs", 5415, 3900));
    ui::win32::TabPages& tabs = dialog.tabs;
    ASSERT_EQ(tabs.Count(), 2);
    EXPECT_TRUE(IsWindowVisible(tabs.Page(0)));
    EXPECT_FALSE(IsWindowVisible(tabs.Page(1)));

    // The page lies inside the tab control's display area.
    const RECT tabsRect = RectInParent(tabs.Tabs());
    const RECT page = RectInParent(tabs.Page(1));
    EXPECT_GT(page.top, tabsRect.top) << "below the tabs' row";
    EXPECT_GE(page.left, tabsRect.left);
    EXPECT_LE(page.right, tabsRect.right);
    EXPECT_LE(page.bottom, tabsRect.bottom);

    // A change of tab as the user makes it: the control selects, then notifies its parent.
    SendMessageW(tabs.Tabs(), TCM_SETCURSEL, 1, 0);
    NMHDR change{tabs.Tabs(), static_cast<UINT_PTR>(kTabsId), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(dialog.Handle(), WM_NOTIFY, kTabsId, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(tabs.Selected(), 1);
    EXPECT_FALSE(IsWindowVisible(tabs.Page(0)));
    EXPECT_TRUE(IsWindowVisible(tabs.Page(1)));

    HWND button = GetDlgItem(tabs.Page(1), kPageButtonId);
    ASSERT_NE(button, nullptr);
    SendMessageW(button, BM_CLICK, 0, 0);
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(dialog.commands.back(), kPageButtonId);

    tabs.Select(0);
    EXPECT_TRUE(IsWindowVisible(tabs.Page(0)));
    EXPECT_FALSE(IsWindowVisible(tabs.Page(1)));
}

}  // namespace
}  // namespace torva::test
