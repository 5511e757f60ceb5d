// SMPTVS: a window with two buttons that shows a script how a program reports its outcome.
// "正常終了" closes the window and ends normally (exit code 0); "異常終了" ends the process on
// the spot with exit code 9, skipping every closing step.
#include <windows.h>

#include "platform/win32/twips.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "sample/form1_layout.h"

namespace torva::sample {
namespace {

using win32::TwipsToPixels;

constexpr wchar_t kClassName[] = L"Form1";
constexpr int kIdLabel1 = 101;
constexpr int kIdCommand1 = 102;
constexpr int kIdCommand2 = 103;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

void Form1_Command1_Click(HWND form) {
    DestroyWindow(form);
}

[[noreturn]] void Form1_Command2_Click() {
    ExitProcess(kExitAbnormal);
}

LRESULT CALLBACK Form1Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kIdCommand1) {
                Form1_Command1_Click(hwnd);
                return 0;
            }
            if (LOWORD(wParam) == kIdCommand2) Form1_Command2_Click();
            break;
        case WM_DESTROY:
            PostQuitMessage(kExitNormal);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void AddControl(HWND parent, const wchar_t* cls, std::string_view text, DWORD style, const TwipsRect& r,
                int id, int dpi, HGDIOBJ font) {
    HWND control = CreateWindowExW(
        0, cls, win32::Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, TwipsToPixels(r.left, dpi),
        TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi), TwipsToPixels(r.height, dpi), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

int Run(HINSTANCE instance, int showCommand) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Form1Proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassExW(&wc)) return 1;

    const int dpi = win32::ScreenDpiY();
    LOGFONTW lf{};
    lf.lfHeight = -((900 * dpi + 3600) / 7200);  // 9 pt
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(lf.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
    win32::UniqueGdiObject font(CreateFontIndirectW(&lf));

    RECT outer{0, 0, TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    HWND form = CreateWindowExW(0, kClassName, win32::Wide(kCaption).c_str(), kStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                                nullptr, instance, nullptr);
    if (!form) return 1;
    AddControl(form, L"STATIC", kLabel1Caption, SS_LEFT | SS_NOPREFIX, kLabel1, kIdLabel1, dpi, font.get());
    AddControl(form, L"BUTTON", kCommand1Caption, BS_PUSHBUTTON | WS_TABSTOP, kCommand1, kIdCommand1, dpi,
               font.get());
    AddControl(form, L"BUTTON", kCommand2Caption, BS_PUSHBUTTON | WS_TABSTOP, kCommand2, kIdCommand2, dpi,
               font.get());
    ShowWindow(form, showCommand);
    UpdateWindow(form);
    SetFocus(GetDlgItem(form, kIdCommand1));

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(form, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return kExitNormal;
}

}  // namespace
}  // namespace torva::sample

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    return torva::sample::Run(instance, showCommand);
}
