#pragma once
// Dialog: the base of every dialog of the programs, modal or modeless.
//
// A dialog is laid out in twips: its client size is given to RunModal/ShowModeless and OnInit adds
// the controls with Controls() (converted at the screen's resolution, so no dialog units). The
// dialog manager still gives Enter to the default button and Esc to IDCANCEL; closing by the caption
// is IDCANCEL too. `this` is bound at WM_INITDIALOG and every message runs through the guard: an
// exception thrown by a handler reaches the program's FatalReport, and a modal dialog then ends
// with kFailedResult instead of leaving its owner disabled under a dialog that no longer works.
//
//     class AskName : public ui::win32::Dialog {
//         void OnInit() override { Controls().Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER, 100, {60, 60, 3000,
//         300}); } void OnCommand(int id, int) override { if (id == IDOK) End(IDOK); else if (id == IDCANCEL)
//         End(IDCANCEL); }
//     };
//     AskName dialog(report);
//     dialog.RunModal(owner, L"Title", 3600, 1200);
//
// A modeless dialog (ShowModeless) gets its dialog keys through the one pump; End() destroys it and
// OnClosed() follows.

#include <windows.h>

#include <string>
#include <vector>

#include "common/twips.h"
#include "platform/win32/unique_handle.h"
#include "ui/win32/controls.h"
#include "ui/win32/fatal_guard.h"

namespace torva::ui::win32 {

class Dialog {
  public:
    static constexpr INT_PTR kFailedResult = -1;

    explicit Dialog(FatalReport& report) : report_(report) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Modal over owner; returns the result given to End (kFailedResult when it could not be shown or
    // a handler failed).
    INT_PTR RunModal(HWND owner, const std::wstring& caption, int clientWidthTwips, int clientHeightTwips);
    // Modeless: created and shown; false when the system refused.
    bool ShowModeless(HWND owner, const std::wstring& caption, int clientWidthTwips, int clientHeightTwips);

    HWND Handle() const { return hwnd_; }
    bool IsOpen() const { return hwnd_ != nullptr; }

  protected:
    virtual void OnInit() = 0;
    // A command from a control or the dialog manager; the default ends the dialog on IDCANCEL.
    virtual void OnCommand(int id, int notification);
    // Any other message (WM_NOTIFY, WM_TIMER...): TRUE when handled.
    virtual INT_PTR OnOtherMessage(UINT, WPARAM, LPARAM) { return FALSE; }
    // WM_CTLCOLORSTATIC: null means the dialog's default colours.
    virtual HBRUSH OnControlColour(HDC, HWND) { return nullptr; }
    // After the button-face fill of the background.
    virtual void OnPaintBackground(HDC, const RECT&) {}
    // The top-left corner of the outer frame; centred on the screen unless a dialog says otherwise.
    virtual POINT Placement(HWND owner, SIZE outer) const;
    // A modeless dialog after its window is gone.
    virtual void OnClosed() {}

    // Modal: ends the loop with the result. Modeless: destroys the dialog.
    void End(INT_PTR result);
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::wstring ItemText(int id) const { return WindowTextOf(Item(id)); }
    ControlMaker Controls() const { return ControlMaker(hwnd_, dpi_); }
    const ScreenDpi& Dpi() const { return dpi_; }
    torva::win32::UniqueGdiObject Font(const wchar_t* face, int hundredthsOfPoint) const {
        return MakeFont(face, hundredthsOfPoint, dpi_.y);
    }
    FatalReport& Report() const { return report_; }

  private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Prepare(const std::wstring& caption, int clientWidthTwips, int clientHeightTwips);

    FatalReport& report_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    bool modal_ = false;
    int clientWidthTwips_ = 0;
    int clientHeightTwips_ = 0;
    ScreenDpi dpi_;
    std::vector<WORD> template_;  // in memory: header, no menu, the default class, the caption
};

}  // namespace torva::ui::win32
