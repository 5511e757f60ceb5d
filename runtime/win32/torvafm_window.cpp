// The menu window's class, creation, message dispatch, timers, locking and closing.
#include "common/error_state.h"
#include "runtime/placement.h"
#include "runtime/win32/fatal_guard.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/torvafm_cmd_click.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

namespace {

constexpr wchar_t kOwnerClass[] = L"TORVAOWNER";
constexpr wchar_t kControlClass[] = L"TORVAPICT";

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
    WNDCLASSEXW owner{};
    owner.cbSize = sizeof(owner);
    owner.lpfnWndProc = OwnerProc;
    owner.hInstance = instance;
    owner.lpszClassName = kOwnerClass;

    WNDCLASSEXW menu{};
    menu.cbSize = sizeof(menu);
    menu.lpfnWndProc = MenuWindow::WindowProc;
    menu.hInstance = instance;
    menu.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    menu.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0));
    menu.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    menu.lpszClassName = kMenuWindowClass;

    WNDCLASSEXW control{};
    control.cbSize = sizeof(control);
    control.lpfnWndProc = MenuWindow::ControlProc;
    control.hInstance = instance;
    control.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    control.lpszClassName = kControlClass;

    return RegisterClassExW(&owner) && RegisterClassExW(&menu) && RegisterClassExW(&control);
}

}  // namespace

MenuWindow& TORVAFM() {
    static MenuWindow window;
    return window;
}

const wchar_t* ControlClassName() {
    return kControlClass;
}

bool MenuWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    if (!RegisterClasses(instance)) return false;
    owner_ =
        CreateWindowExW(0, kOwnerClass, L"Torva", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    ReadScreenSize();
    layout_ = ComputeLayout(Torva().definition->displayMode, screenWidthPx_, screenHeightPx_,
                            Torva().os.system->IsTallCaptionPlatform());
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (layout_.minimiseBox) style |= WS_MINIMIZEBOX;
    hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kMenuWindowClass, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, 100,
                            100, owner_, nullptr, instance, this);
    if (!hwnd_) return false;

    // Window load (800): layout, placement with the first page, system menu, the activation part.
    ErrorLocation load(Torva().error, 800);
    ApplyLayout();
    PlaceWindow();
    BuildSystemMenu();
    TORVAFM_OnLoad();
    return true;
}

void MenuWindow::Show() {
    ShowWindow(hwnd_, layout_.sizing == WindowSizing::Maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    FocusButton(lastFocused_ ? lastFocused_ : 1);
}

void MenuWindow::ShowPage(int page) {
    if (page < 1 || page > definition::kPageCount) return;
    currentPage_ = page;
    DrawPage();
}

void MenuWindow::Lock() {
    EnableWindow(hwnd_, FALSE);
}
void MenuWindow::Unlock() {
    EnableWindow(hwnd_, TRUE);
}
bool MenuWindow::IsLocked() const {
    return !IsWindowEnabled(hwnd_);
}

void MenuWindow::HideToTray() {
    // Without a tray entry to come back from (no notification area), hiding would lose the menu.
    if (!Torva().options().trayIcon || !trayAdded_) {
        ShowWindow(hwnd_, SW_MINIMIZE);
        return;
    }
    ShowWindow(hwnd_, SW_HIDE);
    hiddenInTray_ = true;
    SwitchTrayIcon(kTrayIconHidden);
}

void MenuWindow::ShowFromTray() {
    if (!Torva().options().trayIcon || !trayAdded_) {
        ShowWindow(hwnd_, layout_.sizing == WindowSizing::Maximised ? SW_SHOWMAXIMIZED : SW_RESTORE);
        SetForegroundWindow(hwnd_);
        return;
    }
    SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    ShowWindow(hwnd_, layout_.sizing == WindowSizing::Maximised ? SW_SHOWMAXIMIZED : SW_SHOW);
    hiddenInTray_ = false;
    SwitchTrayIcon(kTrayIconShown);
    SetForegroundWindow(hwnd_);
}

ClickState MenuWindow::ClickStateOf(int button) const {
    if (button < 1 || button > kMaxButtons) return ClickState::Idle;
    return buttons_[static_cast<std::size_t>(button - 1)].press.state();
}

void MenuWindow::SetClickState(int button, ClickState state) {
    if (button >= 1 && button <= kMaxButtons)
        buttons_[static_cast<std::size_t>(button - 1)].press.set_state(state);
}

void MenuWindow::SetTimer(UINT_PTR id, UINT milliseconds, std::function<void()> handler) {
    timers_[id] = std::move(handler);
    ::SetTimer(hwnd_, id, milliseconds, nullptr);
}

void MenuWindow::KillTimer(UINT_PTR id) {
    ::KillTimer(hwnd_, id);
    timers_.erase(id);
}

void MenuWindow::Close(CloseReason reason) {
    Torva().closeReason = reason;
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

bool MenuWindow::OnClose() {
    TorvaRuntime& rt = Torva();
    ErrorLocation here(rt.error, 809);
    TORVAFM_OnClosing();
    const CloseDecision decision = DecideClose(rt.closeReason, rt.options().noControlBox);
    if (decision.refuse) return false;
    if (decision.runEndPrograms) RunEndPrograms();
    const bool normal = !IsIconic(hwnd_) && !IsZoomed(hwnd_);
    if (ShouldSavePosition(rt.options().positionSave, normal)) {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        const std::string ini = rt.programFolder + kIniFileName;
        rt.os.ini->WriteString(ini, kIniSection, "Xpos", std::to_string(r.left * twipsPerPixelX_));
        rt.os.ini->WriteString(ini, kIniSection, "Ypos", std::to_string(r.top * twipsPerPixelY_));
    }
    if (rt.options().dupCheck)
        rt.os.settings->Save(kSettingsApp, kSettingsSection, kSettingsInstanceKey, "0");
    if (rt.options().trayIcon) DeleteTrayIcon();
    return true;
}

LRESULT CALLBACK MenuWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MenuWindow& self = TORVAFM();
    if (message == WM_NCCREATE) self.hwnd_ = hwnd;
    if (self.hwnd_ != hwnd) return DefWindowProcW(hwnd, message, wParam, lParam);
    return GuardedHandler([&] { return self.HandleMessage(message, wParam, lParam); });
}

LRESULT MenuWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            window_.CopyTo(dc, 0, 0);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            // The frame the system gave the window decides the client area; the images follow it
            // (the full-screen layout is arranged on the screen size and keeps its images).
            if (wParam != SIZE_MINIMIZED && layout_.sizing != WindowSizing::Maximised && window_ &&
                (LOWORD(lParam) != clientWidth_ || HIWORD(lParam) != clientHeight_)) {
                clientWidth_ = LOWORD(lParam);
                clientHeight_ = HIWORD(lParam);
                RenderPage();
            }
            return 0;
        case WM_GETMINMAXINFO:
            // The vertical bar is narrower than the system's smallest captioned window.
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{1, 1};
            return 0;
        case WM_SYSCOMMAND:
            if (OnSystemCommand(wParam, lParam)) return 0;
            break;
        case WM_TIMER: {
            auto it = timers_.find(wParam);
            if (it != timers_.end()) {
                auto handler = it->second;  // a handler may kill its own timer
                handler();
            }
            return 0;
        }
        case WM_CLOSE:
            if (closing_) return 0;
            closing_ = true;
            if (OnClose()) {
                DestroyWindow(hwnd_);
            } else {
                closing_ = false;
                Torva().closeReason = CloseReason::User;
            }
            return 0;
        case WM_DESTROY:
            for (const auto& t : timers_) ::KillTimer(hwnd_, t.first);
            timers_.clear();
            PostQuitMessage(0);
            return 0;
        case WM_SETFOCUS:
            // The window itself never keeps the focus: it goes to the last focused button.
            if (buttons_[0].hwnd)
                SetFocus(buttons_[static_cast<std::size_t>((lastFocused_ ? lastFocused_ : 1) - 1)].hwnd);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (OnWindowKey(static_cast<UINT>(wParam))) return 0;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace torva::runtime::win32
