#include "dialog_driver.h"

#include <gtest/gtest.h>

#include "common/twips.h"
#include "editor/win32/dialogs/control_ids.h"
#include "platform/win32/wide.h"

namespace torva::e2e {

namespace {

// The palette's cell layout: twelve fixed colours a row, then the default, transparent and
// semi-transparent cells in one row below, each followed by its label.
constexpr int kPaletteColumns = 12, kFixedCells = 48, kCellPitch = 405, kLabelWidth = 1260, kCellMiddle = 170,
              kSpecialRowGap = 120;

}  // namespace

HWND WaitForDialog(TvsetupSession& s, const std::string& caption) {
    const auto dialog =
        WaitForWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption(caption), Millis(15000));
    return dialog ? *dialog : nullptr;
}

void WaitForDialogClosed(TvsetupSession& s, const std::string& caption) {
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption(caption))) << caption;
    s.Settle();
}

HWND ControlOf(HWND dialog, int id) {
    const auto control = FindControlById(dialog, id);
    return control ? control->hwnd : nullptr;
}

LRESULT SendTo(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control, message, wParam, lParam, SMTO_NORMAL, 10000, &result);
    return static_cast<LRESULT>(result);
}

void Type(HWND dialog, int id, const std::string& text) {
    const std::wstring wide = win32::Wide(text);
    HWND control = ControlOf(dialog, id);
    ASSERT_NE(control, nullptr) << "no box " << id;
    SendTo(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SendTo(control, WM_KILLFOCUS, 0, 0);
}

void Press(HWND dialog, int id) {
    HWND control = ControlOf(dialog, id);
    ASSERT_NE(control, nullptr) << "no button " << id;
    SendTo(control, BM_CLICK);
}

bool IsChecked(HWND dialog, int id) {
    return SendTo(ControlOf(dialog, id), BM_GETCHECK) == BST_CHECKED;
}

void NextTab(HWND dialog) {
    SendTo(ControlOf(dialog, editor::win32::ids::kTabs), WM_KEYDOWN, VK_RIGHT);
}

void ClickTwips(HWND control, int xTwips, int yTwips) {
    // The editor's screen is this one, with the same resolution.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    const LPARAM at = MAKELPARAM(TwipsToPixels(xTwips, dpi), TwipsToPixels(yTwips, dpi));
    SendTo(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendTo(control, WM_LBUTTONUP, 0, at);
}

void PickCell(HWND palette, int cell) {
    ASSERT_NE(palette, nullptr);
    if (cell < kFixedCells) {
        ClickTwips(palette, (cell % kPaletteColumns) * kCellPitch + kCellMiddle,
                   (cell / kPaletteColumns) * kCellPitch + kCellMiddle);
    } else {
        ClickTwips(palette, (cell - kFixedCells) * (kCellPitch + kLabelWidth) + kCellMiddle,
                   (kFixedCells / kPaletteColumns) * kCellPitch + kSpecialRowGap + kCellMiddle);
    }
}

void AnswerFileDialog(TvsetupSession& s, const std::string& title, const std::string& path) {
    const auto dialog =
        WaitForWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption(title), Millis(15000));
    ASSERT_TRUE(dialog) << title;
    std::optional<ControlInfo> edit;
    for (const ControlInfo& c : ListControls(*dialog)) {
        if (c.visible && (c.className == "Edit" || c.className == "EDIT")) {
            edit = c;
            break;
        }
    }
    ASSERT_TRUE(edit) << "no file name field in " << title;
    const std::wstring wide = win32::Wide(path);
    SendMessageW(edit->hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    PostMessageW(*dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(s.Program().Id()).WithCaption(title), Millis(15000)));
    s.Settle();
}

}  // namespace torva::e2e
