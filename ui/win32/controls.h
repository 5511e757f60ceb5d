#pragma once
// Child controls placed in twips at the screen's resolution, and the fonts they are given. Geometry
// is designed in twips (15 to a pixel at 96 dots per inch); each edge converts on its own, so a
// control lands on the pixel the design names on every screen.

#include <windows.h>

#include <string>

#include "common/twips.h"
#include "platform/win32/unique_handle.h"

namespace torva::ui::win32 {

// The screen's dots per inch, read once by whoever lays out a window.
struct ScreenDpi {
    int x = kDefaultDpi;
    int y = kDefaultDpi;
    static ScreenDpi Read();
    PixelRect ToPixels(const TwipsRect& r) const {
        return {TwipsToPixels(r.left, x), TwipsToPixels(r.top, y), TwipsToPixels(r.width, x),
                TwipsToPixels(r.height, y)};
    }
};

// Makes the children of one parent window.
class ControlMaker {
  public:
    ControlMaker(HWND parent, ScreenDpi dpi) : parent_(parent), dpi_(dpi) {}

    // A visible child at a twips rectangle; RunError (out of memory) when the system refuses it.
    HWND Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, int id, const TwipsRect& at,
             DWORD exStyle = 0) const;
    // The same with a font (which must outlive the control).
    HWND Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, int id, const TwipsRect& at,
             HGDIOBJ font, DWORD exStyle = 0) const;

    HWND Parent() const { return parent_; }
    const ScreenDpi& Dpi() const { return dpi_; }

  private:
    HWND parent_;
    ScreenDpi dpi_;
};

// A font of a point size given in hundredths (9.75 pt is 975) at the screen's vertical resolution.
// The programs' faces are Japanese, so the character set is Shift-JIS unless told otherwise.
torva::win32::UniqueGdiObject MakeFont(const wchar_t* face, int hundredthsOfPoint, int dpiY,
                                       int weight = FW_NORMAL, BYTE charset = SHIFTJIS_CHARSET);
// The system's dialog font, shared and never deleted.
HGDIOBJ GuiFont();
void SetFont(HWND control, HGDIOBJ font);

// The text of a window as UTF-16 (empty for no window).
std::wstring WindowTextOf(HWND window);

// The outer size of a window whose client area is the given size in pixels.
SIZE OuterSize(DWORD style, DWORD exStyle, int clientWidth, int clientHeight);

}  // namespace torva::ui::win32
