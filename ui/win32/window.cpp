#include "ui/win32/window.h"

#include "ui/win32/message_pump.h"

namespace torva::ui::win32 {

namespace {

// The object lives in a property of our own name: a foreign window's user data is never mistaken
// for one of ours.
constexpr wchar_t kObjectProperty[] = L"Torva.Window";

HINSTANCE ThisModule() {
    return GetModuleHandleW(nullptr);
}

bool EnsureClass(const WNDCLASSEXW& wanted) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(wanted.hInstance, wanted.lpszClassName, &existing)) return true;
    return RegisterClassExW(&wanted) != 0;
}

}  // namespace

Window::~Window() {
    if (!hwnd_) return;
    HWND hwnd = hwnd_;
    RemovePropW(hwnd, kObjectProperty);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<Window*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

bool Window::Create(const WindowClass& windowClass, DWORD exStyle, const std::wstring& caption, DWORD style,
                    int x, int y, int width, int height, HWND owner) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = ThisModule();
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = windowClass.name;
    if (!EnsureClass(wc)) return false;
    CreateWindowExW(exStyle, windowClass.name, caption.c_str(), style, x, y, width, height, owner, nullptr,
                    ThisModule(), this);
    return hwnd_ != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT Window::OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(control, message, wParam, lParam);
}

void Window::WantDialogKeys() const {
    win32::WantDialogKeys(hwnd_);
}

bool Window::RegisterControlClass(const wchar_t* name, HCURSOR cursor) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Window::ControlProcedure;
    wc.hInstance = ThisModule();
    wc.hCursor = cursor ? cursor : LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = name;
    return EnsureClass(wc);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            SetPropW(hwnd, kObjectProperty, self);
            self->hwnd_ = hwnd;
        }
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result =
        Guarded(self->report_, LRESULT{0}, [&] { return self->OnMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, kObjectProperty);
        self->hwnd_ = nullptr;
        Guarded(self->report_, 0, [&] {
            self->OnDestroyed();
            return 0;
        });
    }
    return result;
}

LRESULT CALLBACK Window::ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* parent = FromHandle(GetParent(hwnd));
    if (!parent) return DefWindowProcW(hwnd, message, wParam, lParam);
    return Guarded(parent->report_, LRESULT{0},
                   [&] { return parent->OnControlMessage(hwnd, message, wParam, lParam); });
}

}  // namespace torva::ui::win32
