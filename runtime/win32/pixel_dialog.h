#pragma once
// A modal dialog laid out in pixels from twips geometry: built from an empty in-memory template
// (no resource compiler geometry in dialog units), its controls created at WM_INITDIALOG, centred
// on the screen. The dialog manager still gives Enter to the default button (IDOK) and Esc to
// IDCANCEL. Nothing escapes the dialog procedure.

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace torva::runtime::win32 {

class PixelDialog {
  public:
    virtual ~PixelDialog() = default;
    PixelDialog() = default;
    PixelDialog(const PixelDialog&) = delete;
    PixelDialog& operator=(const PixelDialog&) = delete;

    // Shows the dialog modally over owner; returns the code passed to End.
    INT_PTR Run(HWND owner, const std::wstring& caption, int clientWidthTwips, int clientHeightTwips);

  protected:
    virtual void OnInit() = 0;
    // A command from a control; the default closes on IDCANCEL.
    virtual void OnCommand(int id, int notification);
    // WM_CTLCOLORSTATIC and friends: nothing means the dialog's default.
    virtual HBRUSH OnControlColour(HDC, HWND) { return nullptr; }
    virtual void OnPaintBackground(HDC, const RECT&) {}

    void End(INT_PTR result) { EndDialog(hwnd_, result); }
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

    // Creates a child control at a twips rectangle (converted at the screen's pixels per inch).
    HWND AddControl(const wchar_t* windowClass, const std::wstring& text, DWORD style, int id, int leftTwips,
                    int topTwips, int widthTwips, int heightTwips, DWORD exStyle = 0);
    // A font of the given point size (tenths avoided: 11.25 pt is given as 1125 hundredths).
    torva::win32::UniqueGdiObject MakeFont(const wchar_t* face, int hundredthsOfPoint) const;
    static void SetFont(HWND control, const torva::win32::UniqueGdiObject& font);
    std::wstring ItemText(int id) const;

  private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    int ToPixelsX(int twips) const;
    int ToPixelsY(int twips) const;

    HWND hwnd_ = nullptr;
    int clientWidthTwips_ = 0;
    int clientHeightTwips_ = 0;
    int dpiX_ = 96;
    int dpiY_ = 96;
};

}  // namespace torva::runtime::win32
