#include "ui/win32/tab_pages.h"

#include <commctrl.h>

#include "common/run_error.h"
#include "platform/win32/system_library.h"

namespace torva::ui::win32 {

namespace {

constexpr wchar_t kPageClass[] = L"TorvaTabPage";

// A page only passes its controls' messages on to the holder of the tab control.
LRESULT CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
            return SendMessageW(GetParent(page), message, wParam, lParam);
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(page, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
            return 1;
        }
        default:
            return DefWindowProcW(page, message, wParam, lParam);
    }
}

void EnsurePageClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    const HINSTANCE module = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(module, kPageClass, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PageProcedure;
    wc.hInstance = module;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = kPageClass;
    if (!RegisterClassExW(&wc)) throw RunError(kErrOutOfMemory, "tab page class");
}

}  // namespace

void TabPages::Create(const ControlMaker& parent, int id, const TwipsRect& at) {
    dpi_ = parent.Dpi();
    id_ = id;
    // A program that loads the common controls only when needed has its tab class from here.
    (void)torva::win32::LoadCommonControls(ICC_TAB_CLASSES);
    tabs_ = parent.Add(WC_TABCONTROLW, L"", WS_TABSTOP | WS_CLIPSIBLINGS, id, at, GuiFont());
    EnsurePageClass();
}

int TabPages::AddPage(const std::wstring& title) {
    const int index = Count();
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    std::wstring text = title;
    item.pszText = text.data();
    if (SendMessageW(tabs_, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) < 0)
        throw RunError(kErrOutOfMemory, "tab not added");

    // The display area of the tab control, in the holder's coordinates.
    RECT area{};
    GetClientRect(tabs_, &area);
    SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs_, GetParent(tabs_), reinterpret_cast<POINT*>(&area), 2);

    HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, title.c_str(),
                                WS_CHILD | WS_CLIPSIBLINGS | (index == 0 ? WS_VISIBLE : 0), area.left,
                                area.top, area.right - area.left, area.bottom - area.top, GetParent(tabs_),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!page) throw RunError(kErrOutOfMemory, "tab page not created");
    // Above the tab control, so that the page's controls are drawn over its display area.
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pages_.push_back(page);
    return index;
}

HWND TabPages::Page(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

int TabPages::Selected() const {
    return tabs_ ? static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)) : -1;
}

void TabPages::Select(int index) {
    if (index < 0 || index >= Count()) return;
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (int i = 0; i < Count(); ++i)
        ShowWindow(pages_[static_cast<std::size_t>(i)], i == index ? SW_SHOW : SW_HIDE);
}

bool TabPages::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != tabs_ || header.code != TCN_SELCHANGE) return false;
    Select(Selected());
    return true;
}

}  // namespace torva::ui::win32
