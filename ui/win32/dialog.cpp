#include "ui/win32/dialog.h"

#include "ui/win32/message_pump.h"

namespace torva::ui::win32 {

Dialog::~Dialog() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

void Dialog::Prepare(const std::wstring& caption, int clientWidthTwips, int clientHeightTwips) {
    clientWidthTwips_ = clientWidthTwips;
    clientHeightTwips_ = clientHeightTwips;
    dpi_ = ScreenDpi::Read();
    // DLGTEMPLATE, then no menu, the default class and the caption: all WORD-aligned, no controls.
    template_.assign(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    template_.push_back(0);  // menu
    template_.push_back(0);  // class
    for (const wchar_t c : caption) template_.push_back(static_cast<WORD>(c));
    template_.push_back(0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(template_.data());
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    header->cdit = 0;
}

INT_PTR Dialog::RunModal(HWND owner, const std::wstring& caption, int clientWidthTwips,
                         int clientHeightTwips) {
    Prepare(caption, clientWidthTwips, clientHeightTwips);
    modal_ = true;
    owner_ = owner;
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(template_.data()),
                                owner, &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    return result;
}

bool Dialog::ShowModeless(HWND owner, const std::wstring& caption, int clientWidthTwips,
                          int clientHeightTwips) {
    if (hwnd_) return true;
    Prepare(caption, clientWidthTwips, clientHeightTwips);
    modal_ = false;
    owner_ = owner;
    CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<DLGTEMPLATE*>(template_.data()),
                               owner, &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
    if (!hwnd_) return false;
    WantDialogKeys(hwnd_);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    return true;
}

void Dialog::End(INT_PTR result) {
    if (!hwnd_) return;
    if (modal_) {
        EndDialog(hwnd_, result);
    } else {
        DestroyWindow(hwnd_);
    }
}

void Dialog::OnCommand(int id, int) {
    if (id == IDCANCEL) End(IDCANCEL);
}

POINT Dialog::Placement(HWND, SIZE outer) const {
    return POINT{CentredOrigin(GetSystemMetrics(SM_CXSCREEN), outer.cx),
                 CentredOrigin(GetSystemMetrics(SM_CYSCREEN), outer.cy)};
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->hwnd_ = hwnd;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportCurrentFailure(self->report_);
        if (self->modal_ && self->hwnd_) EndDialog(hwnd, kFailedResult);
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        if (!self->modal_)
            Guarded(self->report_, 0, [&] {
                self->OnClosed();
                return 0;
            });
    }
    return result;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const SIZE outer = OuterSize(static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)),
                                         static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)),
                                         TwipsToPixels(clientWidthTwips_, dpi_.x),
                                         TwipsToPixels(clientHeightTwips_, dpi_.y));
            const POINT at = Placement(owner_, outer);
            SetWindowPos(hwnd_, nullptr, at.x, at.y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
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
            // Closing by the caption is what Esc and Cancel do.
            OnCommand(IDCANCEL, BN_CLICKED);
            return TRUE;
        default:
            return OnOtherMessage(message, wParam, lParam);
    }
}

}  // namespace torva::ui::win32
