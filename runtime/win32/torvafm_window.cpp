// The menu window's class, creation, message dispatch, timers, locking and closing.
#include "common/error_state.h"
#include "runtime/placement.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/torvafm_cmd_click.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

namespace {

constexpr wchar_t kOwnerClass[] = L"TORVAOWNER";
constexpr wchar_t kControlClass[] = L"TORVAPICT";

}  // namespace

const wchar_t* ControlClassName() {
    return kControlClass;
}

bool MenuOwner::Open() {
    return Create({kOwnerClass}, 0, L"Torva", WS_POPUP, 0, 0, 0, 0);
}

MenuWindow::MenuWindow(TorvaRuntime& rt) : Window(rt), rt_(rt), owner_(rt), versionBox_(rt, rt.error) {}

MenuWindow::~MenuWindow() {
    // While this object is whole: the window's last messages still reach it.
    if (Handle()) DestroyWindow(Handle());
    rt_.menuWindow = nullptr;
}

bool MenuWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    if (FirstPageCanBePrepared(*rt_.definition)) firstPageIcons_.Start(*rt_.definition, instance);
    if (!RegisterControlClass(kControlClass) || !owner_.Open()) return false;
    ReadScreenSize();
    layout_ = ComputeLayout(rt_.definition->displayMode, screenWidthPx_, screenHeightPx_,
                            rt_.os.system->IsTallCaptionPlatform());
    // Without WS_CLIPCHILDREN: the window's image holds its controls too, and a new page is painted
    // by the window alone (torvafm_frames.cpp).
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (layout_.minimiseBox) style |= WS_MINIMIZEBOX;
    const ui::win32::WindowClass menuClass{
        kMenuWindowClass, LoadIconW(instance, MAKEINTRESOURCEW(1)),
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, 0))};
    if (!Window::Create(menuClass, WS_EX_APPWINDOW, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100,
                        owner_.Handle()))
        return false;
    rt_.menuWindow = Handle();

    // Window load (800): layout, placement with the first page, system menu, the activation part.
    ErrorLocation load(rt_.error, 800);
    ApplyLayout();
    PlaceWindow();
    BuildSystemMenu();
    events_->TORVAFM_OnLoad();
    return true;
}

void MenuWindow::Show() {
    POINT pointer{};
    if (GetCursorPos(&pointer)) pointerAtShow_ = pointer;
    ShowWindow(Handle(), layout_.sizing == WindowSizing::Maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
    FocusButton(lastFocused_ ? lastFocused_ : 1);
    // Painted now rather than when the queue is empty, so that whatever follows the showing comes
    // after the first page is on the screen.
    UpdateWindow(Handle());
}

void MenuWindow::ShowPage(int page) {
    if (page < 1 || page > definition::kPageCount) return;
    currentPage_ = page;
    DrawPage();
}

void MenuWindow::Lock() {
    EnableWindow(Handle(), FALSE);
}
void MenuWindow::Unlock() {
    EnableWindow(Handle(), TRUE);
}
bool MenuWindow::IsLocked() const {
    return !IsWindowEnabled(Handle());
}

void MenuWindow::HideToTray() {
    // Without a tray entry to come back from (no notification area), hiding would lose the menu.
    if (!rt_.options().trayIcon || !trayAdded_) {
        ShowWindow(Handle(), SW_MINIMIZE);
        return;
    }
    ShowWindow(Handle(), SW_HIDE);
    hiddenInTray_ = true;
    SwitchTrayIcon(kTrayIconHidden);
}

void MenuWindow::ShowFromTray() {
    if (!rt_.options().trayIcon || !trayAdded_) {
        ShowWindow(Handle(), layout_.sizing == WindowSizing::Maximised ? SW_SHOWMAXIMIZED : SW_RESTORE);
        SetForegroundWindow(Handle());
        return;
    }
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    ShowWindow(Handle(), layout_.sizing == WindowSizing::Maximised ? SW_SHOWMAXIMIZED : SW_SHOW);
    hiddenInTray_ = false;
    SwitchTrayIcon(kTrayIconShown);
    SetForegroundWindow(Handle());
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
    ::SetTimer(Handle(), id, milliseconds, nullptr);
}

void MenuWindow::KillTimer(UINT_PTR id) {
    ::KillTimer(Handle(), id);
    timers_.erase(id);
}

void MenuWindow::Close(CloseReason reason) {
    rt_.closeReason = reason;
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

bool MenuWindow::OnClose() {
    TorvaRuntime& rt = rt_;
    ErrorLocation here(rt.error, 809);
    events_->TORVAFM_OnClosing();
    const CloseDecision decision = DecideClose(rt.closeReason, rt.options().noControlBox);
    if (decision.refuse) return false;
    if (decision.runEndPrograms) RunEndPrograms(rt);
    const bool normal = !IsIconic(Handle()) && !IsZoomed(Handle());
    if (ShouldSavePosition(rt.options().positionSave, normal)) {
        RECT r{};
        GetWindowRect(Handle(), &r);
        SavePosition(*rt.os.ini, *rt.os.files, rt.positionFiles,
                     {r.left * twipsPerPixelX_, r.top * twipsPerPixelY_});
    }
    if (rt.options().dupCheck)
        rt.os.settings->Save(kSettingsApp, kSettingsSection, kSettingsInstanceKey, "0");
    if (rt.options().trayIcon) DeleteTrayIcon();
    return true;
}

LRESULT MenuWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            // The window paints over its controls (no WS_CLIPCHILDREN), so what this paint covers
            // of them shows their current pixels already: they need not paint it again. When the
            // window appears, that spares every control a paint of its own.
            const torva::win32::UniqueGdiObject painted(CreateRectRgn(0, 0, 0, 0));
            const bool covered =
                painted && GetUpdateRgn(Handle(), static_cast<HRGN>(painted.get()), FALSE) > NULLREGION;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(Handle(), &ps);
            window_.CopyTo(dc, 0, 0);
            EndPaint(Handle(), &ps);
            if (covered && window_) ValidateControls(static_cast<HRGN>(painted.get()));
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
                DestroyWindow(Handle());
            } else {
                closing_ = false;
                rt_.closeReason = CloseReason::User;
            }
            return 0;
        case WM_DESTROY:
            for (const auto& t : timers_) ::KillTimer(Handle(), t.first);
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
        case WM_MOUSEMOVE:
            OnMouseSeen(Handle(), message, wParam, lParam);
            break;
        default:
            break;
    }
    return DefWindowProcW(Handle(), message, wParam, lParam);
}

}  // namespace torva::runtime::win32
