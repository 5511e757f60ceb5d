#pragma once
// The base of the controls that paint themselves: the window class registered once by name, the
// window tied to its object, no background erase (Paint covers the whole client area, so nothing
// flickers) and every other message handed to the object.

#include <windows.h>

#include "common/twips.h"
#include "ui/win32/controls.h"

namespace torva::ui::win32 {

class OwnerDrawnControl {
  public:
    OwnerDrawnControl(const OwnerDrawnControl&) = delete;
    OwnerDrawnControl& operator=(const OwnerDrawnControl&) = delete;
    virtual ~OwnerDrawnControl() = default;

    HWND Handle() const { return hwnd_; }

  protected:
    OwnerDrawnControl() = default;

    // Registers the class on first use (RunError, out of memory, when the system refuses it) and makes
    // the control as a child of the maker's parent.
    void CreateControl(const ControlMaker& maker, const wchar_t* className, UINT classStyle, DWORD style,
                       int id, const TwipsRect& at, DWORD exStyle = 0);
    // Paints over the client area, which is filled with the button face first.
    virtual void Paint(HDC dc, const RECT& client) = 0;
    // Every message but painting and erasing; by default the system's handling.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Tells the parent with WM_COMMAND (the control's id, code).
    void NotifyParent(int code) const;
    int Pixels(int twips) const { return TwipsToPixels(twips, dpi_); }

    HWND hwnd_ = nullptr;
    int id_ = 0;
    int dpi_ = kDefaultDpi;

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace torva::ui::win32
