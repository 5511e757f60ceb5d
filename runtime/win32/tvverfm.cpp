#include "runtime/win32/tvverfm.h"

#include <algorithm>

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

void CloseDialog() {
    ErrorLocation here(Torva().error, 932);
    HWND dialog = Torva().versionDialog;
    Torva().versionDialog = nullptr;
    if (Torva().versionOwner) {
        EnableWindow(Torva().versionOwner, TRUE);
        SetForegroundWindow(Torva().versionOwner);
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
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return child;
}

}  // namespace

HWND VersionDialogWindow() {
    return Torva().versionDialog;
}

void ShowVersionDialog(HINSTANCE instance, HWND menuWindow) {
    ErrorLocation here(Torva().error, 931);
    if (Torva().versionDialog) {
        SetForegroundWindow(Torva().versionDialog);
        return;
    }
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(instance, kClass, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = DialogProc;
        wc.hInstance = instance;
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        wc.lpszClassName = kClass;
        RegisterClassExW(&wc);
    }
    Torva().versionOwner = menuWindow;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, 320, 150};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_DLGMODALFRAME);
    RECT menuRect{};
    GetWindowRect(menuWindow, &menuRect);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    // Over the middle of the menu, kept on the screen (the vertical bar is narrower than the box).
    int x = menuRect.left + (menuRect.right - menuRect.left - width) / 2;
    int y = menuRect.top + (menuRect.bottom - menuRect.top - height) / 2;
    x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - width));
    y = std::max(0, std::min(y, GetSystemMetrics(SM_CYSCREEN) - height));
    Torva().versionDialog = CreateWindowExW(WS_EX_DLGMODALFRAME, kClass, L"【バージョン情報】", style, x, y,
                                            width, height, menuWindow, nullptr, instance, nullptr);
    if (!Torva().versionDialog) return;
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (icon) AddChild(Torva().versionDialog, L"STATIC", nullptr, SS_ICON, 16, 16, 32, 32, -1);
    if (icon) SendDlgItemMessageW(Torva().versionDialog, -1, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    AddChild(Torva().versionDialog, L"STATIC", L"Torva  メニュー", SS_LEFT, 64, 16, 240, 18, -1);
    AddChild(Torva().versionDialog, L"STATIC", L"Version " TORVA_VERSION_WTEXT, SS_LEFT, 64, 38, 240, 18, -1);
    AddChild(Torva().versionDialog, L"STATIC", L"ランチャーメニュー実行プログラム", SS_LEFT, 64, 60, 240, 18,
             -1);
    HWND ok = AddChild(Torva().versionDialog, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 120, 108, 80,
                       26, kOkId);
    EnableWindow(menuWindow, FALSE);
    ShowWindow(Torva().versionDialog, SW_SHOWNORMAL);
    SetFocus(ok);
}

}  // namespace torva::runtime::win32
