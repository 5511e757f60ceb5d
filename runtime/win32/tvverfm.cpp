#include "runtime/win32/tvverfm.h"

#include "common/error_state.h"
#include "runtime/win32/fatal_guard.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/win_api.h"

#ifndef TORVA_VERSION_WTEXT
#define TORVA_VERSION_WTEXT L"1.0.0"
#endif

namespace torva::runtime::win32 {

namespace {

constexpr wchar_t kClass[] = L"TVVERFM";
constexpr int kOkId = IDOK;
HWND g_dialog = nullptr;  // the one open version dialog of the process
HWND g_menu = nullptr;
HFONT g_font = nullptr;

void CloseDialog() {
    ErrorLocation here(Torva().error, 932);
    HWND dialog = g_dialog;
    g_dialog = nullptr;
    if (g_menu) {
        EnableWindow(g_menu, TRUE);
        SetForegroundWindow(g_menu);
    }
    if (dialog) DestroyWindow(dialog);
}

LRESULT CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedHandler([&]() -> LRESULT {
        switch (message) {
            case WM_COMMAND:
                if (LOWORD(wParam) == kOkId || LOWORD(wParam) == IDCANCEL) CloseDialog();
                return 0;
            case WM_CLOSE:
                // Closing by the caption does what OK does, so the menu is never left disabled.
                CloseDialog();
                return 0;
            default:
                return DefWindowProcW(hwnd, message, wParam, lParam);
        }
    });
}

HWND AddChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
              int id) {
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (g_font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(g_font), FALSE);
    return child;
}

}  // namespace

HWND VersionDialogWindow() {
    return g_dialog;
}

void ShowVersionDialog(HINSTANCE instance, HWND menuWindow) {
    ErrorLocation here(Torva().error, 931);
    if (g_dialog) {
        SetForegroundWindow(g_dialog);
        return;
    }
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DialogProc;
        wc.hInstance = instance;
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        wc.lpszClassName = kClass;
        registered = RegisterClassExW(&wc) != 0;
    }
    if (!g_font) g_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    g_menu = menuWindow;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, 320, 150};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
    RECT menuRect{};
    GetWindowRect(menuWindow, &menuRect);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    g_dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, L"【バージョン情報】", style, x, y, width, height,
                               menuWindow, nullptr, instance, nullptr);
    if (!g_dialog) return;
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (icon) AddChild(g_dialog, L"STATIC", nullptr, SS_ICON, 16, 16, 32, 32, -1);
    if (icon) SendDlgItemMessageW(g_dialog, -1, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    AddChild(g_dialog, L"STATIC", L"Torva  メニュー", SS_LEFT, 64, 16, 240, 18, -1);
    AddChild(g_dialog, L"STATIC", L"Version " TORVA_VERSION_WTEXT, SS_LEFT, 64, 38, 240, 18, -1);
    AddChild(g_dialog, L"STATIC", L"ランチャーメニュー実行プログラム", SS_LEFT, 64, 60, 240, 18, -1);
    HWND ok = AddChild(g_dialog, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 108, 80, 26, kOkId);
    EnableWindow(menuWindow, FALSE);
    ShowWindow(g_dialog, SW_SHOWNORMAL);
    SetFocus(ok);
}

}  // namespace torva::runtime::win32
