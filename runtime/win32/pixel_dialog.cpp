#include "runtime/win32/pixel_dialog.h"

#include <vector>

#include "runtime/win32/fatal_guard.h"

namespace torva::runtime::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

}  // namespace

INT_PTR PixelDialog::Run(HWND owner, const std::wstring& caption, int clientWidthTwips,
                         int clientHeightTwips) {
    clientWidthTwips_ = clientWidthTwips;
    clientHeightTwips_ = clientHeightTwips;
    HDC screen = GetDC(nullptr);
    if (screen) {
        dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }

    // DLGTEMPLATE, then no menu, the default class and the caption: all WORD-aligned, no controls.
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* tmpl = reinterpret_cast<DLGTEMPLATE*>(words.data());
    tmpl->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    tmpl->cdit = 0;
    words.push_back(0);  // menu
    words.push_back(0);  // class
    for (const wchar_t c : caption) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    tmpl = reinterpret_cast<DLGTEMPLATE*>(words.data());  // the vector may have moved

    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), tmpl, owner, &PixelDialog::DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

int PixelDialog::ToPixelsX(int twips) const {
    return MulDiv(twips, dpiX_, kTwipsPerInch);
}
int PixelDialog::ToPixelsY(int twips) const {
    return MulDiv(twips, dpiY_, kTwipsPerInch);
}

HWND PixelDialog::AddControl(const wchar_t* windowClass, const std::wstring& text, DWORD style, int id,
                             int leftTwips, int topTwips, int widthTwips, int heightTwips, DWORD exStyle) {
    return CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                           ToPixelsX(leftTwips), ToPixelsY(topTwips), ToPixelsX(widthTwips),
                           ToPixelsY(heightTwips), hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

torva::win32::UniqueGdiObject PixelDialog::MakeFont(const wchar_t* face, int hundredthsOfPoint) const {
    const int height = -MulDiv(hundredthsOfPoint, dpiY_, 7200);
    return torva::win32::UniqueGdiObject(
        CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

void PixelDialog::SetFont(HWND control, const torva::win32::UniqueGdiObject& font) {
    if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
}

std::wstring PixelDialog::ItemText(int id) const {
    HWND item = Item(id);
    if (!item) return {};
    const int length = GetWindowTextLengthW(item);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(item, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

void PixelDialog::OnCommand(int id, int) {
    if (id == IDCANCEL) End(IDCANCEL);
}

INT_PTR CALLBACK PixelDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedHandler([&]() -> INT_PTR {
        PixelDialog* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<PixelDialog*>(lParam);
            SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
            self->hwnd_ = hwnd;
        } else {
            self = reinterpret_cast<PixelDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
        }
        return self ? self->HandleMessage(message, wParam, lParam) : FALSE;
    });
}

INT_PTR PixelDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            RECT frame{0, 0, ToPixelsX(clientWidthTwips_), ToPixelsY(clientHeightTwips_)};
            AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                               static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
            const int width = frame.right - frame.left;
            const int height = frame.bottom - frame.top;
            const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
            const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
            SetWindowPos(hwnd_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
            OnInit();
            return FALSE;  // OnInit has placed the focus
        }
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            HBRUSH brush = OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            return reinterpret_cast<INT_PTR>(brush);
        }
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd_, &client);
            HDC dc = reinterpret_cast<HDC>(wParam);
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
            OnPaintBackground(dc, client);
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_CLOSE:
            End(IDCANCEL);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace torva::runtime::win32
