#include "rmsg/win32/tvrmsgfm.h"

#include "common/run_error.h"
#include "platform/win32/wide.h"
#include "rmsg/layout.h"
#include "ui/win32/controls.h"

namespace torva::rmsg {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";

}  // namespace

void TVRMSGFM::Open(const RemoteMessage& message) {
    using namespace ui::win32;
    // The design is drawn at one resolution for both directions: the vertical one scales it.
    const int dpi = ScreenDpi::Read().y;
    const ScreenDpi screen{dpi, dpi};
    msgFont_ = MakeFont(kFontFace, kMsgFontHundredths, dpi);
    controlFont_ = MakeFont(kFontFace, 900, dpi);

    const SIZE outer =
        OuterSize(kStyle, kExStyle, TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi));
    const int x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), outer.cx);
    const int y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), outer.cy);
    const WindowClass windowClass{L"TVRMSGFM", LoadIconW(nullptr, IDI_INFORMATION), nullptr, nullptr,
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
    if (!Create(windowClass, kExStyle, win32::Wide(message.caption), kStyle, x, y, outer.cx, outer.cy))
        throw RunError(kErrOutOfMemory, "window not created");

    // MSG comes first so that it lies above the frame drawn around it.
    const ControlMaker controls(Handle(), screen);
    controls.Add(L"STATIC", win32::Wide(message.text), SS_LEFT | SS_NOPREFIX, kIdMsg, MsgInClient(),
                 msgFont_.get());
    controls.Add(L"BUTTON", L"", BS_GROUPBOX, kIdFrame1, kFrame1, controlFont_.get());
    HWND ok = controls.Add(L"BUTTON", L"ＯＫ", BS_DEFPUSHBUTTON | WS_TABSTOP, kIdOk, kOk, controlFont_.get());
    WantDialogKeys();

    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(Handle());
    SetForegroundWindow(Handle());
    SetFocus(ok);
}

void TVRMSGFM::OK_Click() {
    DestroyWindow(Handle());
}

LRESULT TVRMSGFM::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            // Enter presses OK; Escape and the close box end the viewer the same way.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                OK_Click();
                return 0;
            }
            break;
        case WM_CLOSE:
            OK_Click();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return Default(msg, wParam, lParam);
}

}  // namespace torva::rmsg
