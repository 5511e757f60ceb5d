// The buttons' tips as a user meets them: the mouse comes over the menu and rests on a button, and
// the tip shows the button's comment; after a page key, the new page's comment.
#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "tests/e2e/runtime/runtime_session.h"
// After <windows.h>, which it needs.
#include <commctrl.h>

namespace torva::e2e {
namespace {

struct TipSearch {
    DWORD processId;
    HWND found;
};

// The menu's tooltip window while it shows a tip.
HWND ShownTip(DWORD processId) {
    TipSearch search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<TipSearch*>(lParam);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (WindowProcessId(window) != s->processId || std::wstring(name) != TOOLTIPS_CLASSW ||
                !IsWindowVisible(window))
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The text the tip shows, asked of the tooltip window itself.
std::string TipText(HWND tip) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000,
                             &copied))
        return {};
    return win32::Narrow(text);
}

// Rests the mouse on the button (a move, then a pause, as a hand does) until a tip with the text
// shows.
bool TipShowsOver(const RuntimeSession& s, int button, const std::string& text) {
    RECT r{};
    GetWindowRect(s.Button(button), &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(s.Menu(), &centre);
    const DWORD process = WindowProcessId(s.Menu());
    for (int nudge = 0; nudge < 4; ++nudge) {
        SendMouseMoveTo(s.Menu(), POINT{centre.x + nudge % 2, centre.y});
        const bool shown = WaitUntil(
            [&] {
                const HWND tip = ShownTip(process);
                return tip && TipText(tip) == text;
            },
            Millis(3000));
        if (shown) return true;
    }
    return false;
}

std::string Caption(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return win32::Narrow(text);
}

TEST(Tooltips, ShowTheCommentOfTheButtonUnderTheMouseAndFollowThePage) {
    RuntimeSession s;
    ASSERT_TRUE(s.Start({"[VER8.05]", "[PKEY]", "[MODE1]", "[PAGE1]", "VARTITLE,\"First\",B1,0",
                         ButtonLine(2, "Two", "\"CMD:\"", "", "", false, "Comment of page one"), "[PAGE2]",
                         "VARTITLE,\"Second\",B1,0",
                         ButtonLine(2, "Deux", "\"CMD:\"", "", "", false, "Comment of page two")}));
    ASSERT_TRUE(BringToForeground(s.Menu()));
    EXPECT_TRUE(TipShowsOver(s, 2, "Comment of page one"));

    // Away from the menu, a page key, and back on the same button.
    SendMouseMoveTo(s.Menu(), POINT{-40, -40});
    ASSERT_TRUE(WaitUntil([&] { return s.Focus() != nullptr; }));
    PostKey(s.Focus(), VK_PRIOR);
    ASSERT_TRUE(WaitUntil([&] { return Caption(s.Menu()) == "Second"; }));
    EXPECT_TRUE(TipShowsOver(s, 2, "Comment of page two"));
}

}  // namespace
}  // namespace torva::e2e
