#include "rmsg/win32/tvrmsgfm.h"

#include "common/run_error.h"
#include "platform/win32/twips.h"
#include "platform/win32/wide.h"
#include "rmsg/layout.h"

namespace torva::rmsg {

namespace {

constexpr wchar_t kClassName[] = L"TVRMSGFM";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

HFONT MakeFont(int hundredthsOfPoint, int dpi) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeightPixels(hundredthsOfPoint, dpi);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

HWND AddControl(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style,
                const TwipsRect& twips, int id, int dpi, HGDIOBJ font) {
    const PixelRect r = ToPixels(twips, dpi);
    HWND control =
        CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.width, r.height,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    if (!control) throw RunError(kErrOutOfMemory, "control not created");
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

}  // namespace

TVRMSGFM::TVRMSGFM(HINSTANCE instance, const RemoteMessage& message) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(nullptr, IDI_INFORMATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);  // a second instance in this process finds it registered already

    const int dpi = win32::ScreenDpiY();
    msgFont_.reset(MakeFont(kMsgFontHundredths, dpi));
    controlFont_.reset(MakeFont(900, dpi));

    RECT outer{0, 0, TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), width);
    const int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), height);
    window_.reset(CreateWindowExW(kExStyle, kClassName, win32::Wide(message.caption).c_str(), kStyle, x, y,
                                  width, height, nullptr, nullptr, instance, this));
    if (!window_) throw RunError(kErrOutOfMemory, "window not created");

    // MSG comes first so that it lies above the frame drawn around it.
    AddControl(window_.get(), L"STATIC", win32::Wide(message.text), SS_LEFT | SS_NOPREFIX, MsgInClient(),
               kIdMsg, dpi, msgFont_.get());
    AddControl(window_.get(), L"BUTTON", L"", BS_GROUPBOX, kFrame1, kIdFrame1, dpi, controlFont_.get());
    HWND ok = AddControl(window_.get(), L"BUTTON", L"ＯＫ", BS_DEFPUSHBUTTON | WS_TABSTOP, kOk, kIdOk, dpi,
                         controlFont_.get());

    ShowWindow(window_.get(), SW_SHOWNORMAL);
    SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(window_.get());
    SetForegroundWindow(window_.get());
    SetFocus(ok);
}

void TVRMSGFM::OK_Click() {
    DestroyWindow(window_.release());
}

LRESULT CALLBACK TVRMSGFM::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TVRMSGFM*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (msg) {
        case WM_COMMAND:
            // Enter presses OK; Escape and the close box end the viewer the same way.
            if (self && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
                self->OK_Click();
                return 0;
            }
            break;
        case WM_CLOSE:
            if (self) {
                self->OK_Click();
                return 0;
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace torva::rmsg
