#pragma once
// Window: the base of every top-level window of the programs.
//
// Use: derive, register nothing yourself, and call Create() with a WindowClass; `this` is bound to
// the handle before the first message (WM_NCCREATE), so OnMessage sees a complete object. Every
// message runs through a guard: an exception thrown by a handler never crosses into Windows, it
// reaches the program's FatalReport (the window answers 0 for that message).
//
//     class MainWindow : public ui::win32::Window {
//       public:
//         explicit MainWindow(ui::win32::FatalReport& report) : Window(report) {}
//         bool Open() { return Create({L"MYCLASS"}, 0, L"Caption", WS_OVERLAPPEDWINDOW, x, y, w, h); }
//       protected:
//         LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
//     };
//
// Owner-drawn children: register a control class with RegisterControlClass(); every message of such
// a child goes to its parent's OnControlMessage, guarded the same way.
// Keyboard navigation (Tab, Enter, Esc) as in a dialog: WantDialogKeys() after Create().

#include <windows.h>

#include <string>

#include "ui/win32/fatal_guard.h"

namespace torva::ui::win32 {

struct WindowClass {
    const wchar_t* name = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;     // null: the arrow
    HBRUSH background = nullptr;  // null: the window paints its whole client area itself
};

class Window {
  public:
    explicit Window(FatalReport& report) : report_(report) {}
    // A window still open is destroyed; the derived object is gone by then, so its last messages
    // get the default handling.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    // The object behind a window of this base; null for any other window.
    static Window* FromHandle(HWND hwnd);
    // A class for child controls whose messages are handled by their parent Window.
    static bool RegisterControlClass(const wchar_t* name, HCURSOR cursor = nullptr);

  protected:
    // Registers the class on first use (per process) and creates the window. False when the system
    // refused; the failure the handlers may have reported during creation has been reported.
    bool Create(const WindowClass& windowClass, DWORD exStyle, const std::wstring& caption, DWORD style,
                int x, int y, int width, int height, HWND owner = nullptr);

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Messages of the children made from a control class (see RegisterControlClass).
    virtual LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    // After the last message (WM_NCDESTROY): the handle is no longer valid.
    virtual void OnDestroyed() {}

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
    void WantDialogKeys() const;
    FatalReport& Report() const { return report_; }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    FatalReport& report_;
    HWND hwnd_ = nullptr;
};

}  // namespace torva::ui::win32
