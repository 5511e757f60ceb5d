// One tooltip window for a window's controls: each control a tool of its own, its text set and
// cleared without touching the others' (the menu's and the editor's buttons show their tips so).
#include <gtest/gtest.h>
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>

#include "platform/win32/unique_handle.h"
#include "ui/win32/control_tips.h"

namespace torva::test {
namespace {

HWND TooltipOf(HWND owner) {
    struct Search {
        HWND owner;
        HWND found;
    } search{owner, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (GetWindow(window, GW_OWNER) != s->owner || std::wstring(name) != TOOLTIPS_CLASSW) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TipText(HWND tooltip, HWND owner, HWND control) {
    wchar_t text[256] = {};
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST(ControlTips, EachControlKeepsItsOwnText) {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    win32::UniqueWindow owner(CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                              nullptr, nullptr, instance, nullptr));
    ASSERT_TRUE(owner);
    HWND first = CreateWindowExW(0, L"BUTTON", L"1", WS_CHILD | WS_VISIBLE, 0, 0, 50, 30, owner.get(),
                                 nullptr, instance, nullptr);
    HWND second = CreateWindowExW(0, L"BUTTON", L"2", WS_CHILD | WS_VISIBLE, 60, 0, 50, 30, owner.get(),
                                  nullptr, instance, nullptr);
    ui::win32::ControlTips tips;
    tips.Create(owner.get(), instance);
    tips.Add(first);
    tips.Add(second);
    HWND tooltip = TooltipOf(owner.get());
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 2);
    EXPECT_EQ(TipText(tooltip, owner.get(), first), L"");

    tips.SetText(first, "メモ帳を開く");
    tips.SetText(second, "Second");
    EXPECT_EQ(TipText(tooltip, owner.get(), first), L"メモ帳を開く");
    EXPECT_EQ(TipText(tooltip, owner.get(), second), L"Second");

    tips.SetText(first, "");
    EXPECT_EQ(TipText(tooltip, owner.get(), first), L"");
    EXPECT_EQ(TipText(tooltip, owner.get(), second), L"Second");
}

}  // namespace
}  // namespace torva::test
