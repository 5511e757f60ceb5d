#include "ui/win32/owner_drawn_control.h"

#include "common/run_error.h"

namespace torva::ui::win32 {

namespace {

void EnsureClass(const wchar_t* className, UINT classStyle) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(module, className, &wc)) return;
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window once its object is known
    wc.hInstance = module;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc)) throw RunError(kErrOutOfMemory, "control class");
}

}  // namespace

void OwnerDrawnControl::CreateControl(const ControlMaker& maker, const wchar_t* className, UINT classStyle,
                                      DWORD style, int id, const TwipsRect& at, DWORD exStyle) {
    EnsureClass(className, classStyle);
    id_ = id;
    dpi_ = maker.Dpi().x;
    hwnd_ = maker.Add(className, L"", style, id, at, exStyle);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerDrawnControl::Procedure));
}

LRESULT OwnerDrawnControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void OwnerDrawnControl::NotifyParent(int code) const {
    SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id_, code), reinterpret_cast<LPARAM>(hwnd_));
}

LRESULT CALLBACK OwnerDrawnControl::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<OwnerDrawnControl*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
            self->Paint(dc, client);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            // The last message: the object may already have let go of its handle.
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            return DefWindowProcW(hwnd, message, wParam, lParam);
        default:
            return self->OnMessage(message, wParam, lParam);
    }
}

}  // namespace torva::ui::win32
