#include "tests/e2e/harness/tooltip_query.h"

#include <commctrl.h>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/input.h"
#include "tests/e2e/harness/wait.h"
#include "tests/e2e/harness/window_query.h"

namespace torva::e2e {

namespace {

struct TipSearch {
    DWORD processId;
    HWND found;
};

}  // namespace

HWND ShownTooltip(DWORD processId) {
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

std::string TooltipText(HWND tip) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 2000,
                             &copied))
        return {};
    return win32::Narrow(text);
}

bool TipShowsOver(HWND window, HWND control, const std::string& text) {
    RECT r{};
    GetWindowRect(control, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ScreenToClient(window, &centre);
    const DWORD process = WindowProcessId(window);
    for (int nudge = 0; nudge < 4; ++nudge) {
        SendMouseMoveTo(window, POINT{centre.x + nudge % 2, centre.y});
        const bool shown = WaitUntil(
            [&] {
                const HWND tip = ShownTooltip(process);
                return tip && TooltipText(tip) == text;
            },
            Millis(3000));
        if (shown) return true;
    }
    return false;
}

}  // namespace torva::e2e
