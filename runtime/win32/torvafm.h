#pragma once
// TORVAFM: the menu window. It shows one page at a time as a retained image (painting only copies
// the images; they are drawn when the page, the focus or the pressed look changes), moves the
// focus with keys and mouse, and hands button activations to TORVAFM_CMD_Click.
//
// The services below are what button activation, the timers and the mailslot use:
//   Handle()               the window (also passed to scripts as the menu handle)
//   CurrentPage/ShowPage   the shown page; ShowPage draws it (and runs its page start programs)
//   Redraw                 draws the current page again
//   Lock/Unlock/IsLocked   the menu refuses input while a synchronous program runs
//   HideToTray/ShowFromTray  with [TSKI]: hide and show with the tray icon switched; without it
//                          HideToTray minimises and ShowFromTray restores the mode's window state
//   FocusButton/LastFocusedButton, ClickStateOf/SetClickState  the press state of a button
//   SetTimer/KillTimer     WM_TIMER ids routed to the registered handler
//   Close(reason)          closes the menu with the close reason

#include <windows.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "menuview/menu_layout.h"
#include "menuview/press_state.h"
#include "menuview/win32/canvas.h"
#include "menuview/win32/icon_images.h"
#include "menuview/win32/page_renderer.h"
#include "runtime/close_logic.h"
#include "runtime/win32/first_page_icons.h"
#include "runtime/win32/torvafm_cmd_click.h"
#include "runtime/win32/tvverfm.h"
#include "ui/win32/control_tips.h"
#include "ui/win32/window.h"

namespace torva::runtime::win32 {

using menuview::ClickState;
using menuview::ComputeLayout;
using menuview::kMaxButtons;
using menuview::kTwipsPerPixel;
using menuview::MenuLayout;
using menuview::PixelRect;
using menuview::PressLook;
using menuview::PressStep;
using menuview::PressTracker;
using menuview::WindowSizing;
using menuview::win32::Canvas;

inline constexpr int kButtonControlIdBase = 1000;  // CMD(i) has id 1000 + i
inline constexpr int kTitleControlIdBase = 1100;   // Label1(i) has id 1100 + i
inline constexpr int kTitleTipControlId = 1200;    // LabelDUMMY (mode 7)
inline constexpr wchar_t kMenuWindowClass[] = L"TORVAFM";

struct TorvaRuntime;

// The hidden owner of the menu window: without the app-window bit the menu has no taskbar button.
class MenuOwner : public ui::win32::Window {
  public:
    using Window::Window;
    bool Open();
};

class MenuWindow : public ui::win32::Window {
  public:
    explicit MenuWindow(TorvaRuntime& rt);
    ~MenuWindow() override;

    // Button activation, the timed starts and the mailslot behind the window; before Create.
    void Attach(MenuEvents& events) { events_ = &events; }
    // Window initialisation and load: layout, placement (draws page 1), system menu, the
    // activation part's load step. The window is created hidden; Show() shows it and paints it.
    bool Create(HINSTANCE instance);
    void Show();

    int CurrentPage() const { return currentPage_; }
    void ShowPage(int page);
    void Redraw() { DrawPage(); }

    void Lock();
    void Unlock();
    bool IsLocked() const;

    void HideToTray();
    void ShowFromTray();
    bool IsHiddenInTray() const { return hiddenInTray_; }

    void FocusButton(int button);
    int LastFocusedButton() const { return lastFocused_; }
    ClickState ClickStateOf(int button) const;
    void SetClickState(int button, ClickState state);

    void SetTimer(UINT_PTR id, UINT milliseconds, std::function<void()> handler);
    void KillTimer(UINT_PTR id);

    void Close(CloseReason reason);

    // With [TSKI], at start-up before the window is shown: the tray icon, and no taskbar button.
    void AddTrayIcon();

    const MenuLayout& Layout() const { return layout_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    struct ButtonState {
        HWND hwnd = nullptr;
        Canvas image;      // the rendered face with the light edges and the focus rectangle
        int restLeft = 0;  // resting position, taken when the frames are drawn
        int restTop = 0;
        bool pressed = false;
        PressTracker press;
    };
    struct TitleState {
        HWND hwnd = nullptr;  // paints the title's image of page_
    };

    // Layout (torvafm_layout.cpp)
    void ApplyLayout();
    void PlaceWindow();
    void CreateControls();
    void ReadScreenSize();

    // Drawing (torvafm_paint.cpp, torvafm_frames.cpp)
    void DrawPage();    // page start programs, then RenderPage
    void RenderPage();  // the caption, then the page's images through the page renderer
    void ShowTitles();
    void ComposeButton(int button);  // and the button repaints itself
    bool ComposeButtonImage(int button);
    void PlaceButtonImage(int button);  // the button's image into the window's, where it stands
    void ComposeWindow();               // the whole page, repainted by the window alone
    // The controls' parts inside region (client coordinates), which the window has just painted.
    void ValidateControls(HRGN region) const;
    void UpdateTooltips();
    // The tooltips (and the common controls library behind them) are made when the mouse first
    // moves over the window: until then no tip could show, and a menu used from the keyboard never
    // loads them. A pointer resting where it was when the menu appeared has not moved.
    void OnMouseSeen(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AddTooltips();

    // Focus, keys, mouse (torvafm_input.cpp)
    void OnButtonFocus(int button);
    void OnButtonBlur(int button);
    bool OnWindowKey(UINT key);
    void OnButtonKey(int button, UINT key);
    void OnMouseDown(int button, bool left);
    void OnMouseMove(int button, int x, int y, bool leftHeld);
    void OnMouseUp(int button);
    void ApplyPressLook(int button, PressLook look);
    int ButtonOf(HWND control) const;

    // System menu and tray (torvafm_sysmenu.cpp, torvafm_tray.cpp)
    void BuildSystemMenu();
    bool OnSystemCommand(WPARAM command, LPARAM lParam);
    void SwitchTrayIcon(int which);
    void DeleteTrayIcon();

    // Closing (torvafm_window.cpp)
    bool OnClose();

    TorvaRuntime& rt_;
    MenuEvents* events_ = nullptr;
    MenuOwner owner_;
    VersionBox versionBox_;
    ui::win32::ControlTips tips_;
    HINSTANCE instance_ = nullptr;
    MenuLayout layout_;
    int screenWidthPx_ = 0;
    int screenHeightPx_ = 0;
    int twipsPerPixelX_ = kTwipsPerPixel;
    int twipsPerPixelY_ = kTwipsPerPixel;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int currentPage_ = 1;
    int lastFocused_ = 0;
    std::optional<POINT> pointerAtShow_;  // where the mouse pointer rested when the menu appeared
    bool hiddenInTray_ = false;
    bool trayAdded_ = false;
    bool closing_ = false;
    std::array<ButtonState, kMaxButtons> buttons_{};
    std::array<TitleState, 2> titles_{};
    HWND titleTip_ = nullptr;
    menuview::win32::IconImages icons_;
    menuview::win32::PageRenderer renderer_{icons_};
    // Page 1's icons, extracted while the window is made; joined before anything above goes.
    FirstPageIcons firstPageIcons_;
    menuview::win32::PageImages page_;  // the current page as rendered (drawn over by the next)
    // What the window paints: the page's background with the button frames, selection and pressed
    // edges, and the title bars and buttons as they look, each where it stands.
    Canvas window_;
    std::map<UINT_PTR, std::function<void()>> timers_;
};

}  // namespace torva::runtime::win32
