#include "runtime/win32/tvverfm.h"

#include "common/twips.h"
#include "ui/win32/controls.h"

#ifndef TORVA_VERSION_WTEXT
#define TORVA_VERSION_WTEXT L"1.0.0"
#endif

namespace torva::runtime::win32 {

namespace {

constexpr int kClientWidthTwips = 4800;
constexpr int kClientHeightTwips = 2250;
constexpr int kNoId = -1;

}  // namespace

void VersionBox::Show(HWND menuWindow) {
    ErrorLocation here(error_, 931);
    if (IsOpen()) {
        SetForegroundWindow(Handle());
        return;
    }
    menu_ = menuWindow;
    if (!ShowModeless(menuWindow, L"【バージョン情報】", kClientWidthTwips, kClientHeightTwips)) return;
    EnableWindow(menuWindow, FALSE);
    SetFocus(Item(IDOK));
}

void VersionBox::OnInit() {
    const ui::win32::ControlMaker controls = Controls();
    const HGDIOBJ font = ui::win32::GuiFont();
    if (HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1))) {
        HWND picture = controls.Add(L"STATIC", L"", SS_ICON, kNoId, {240, 240, 480, 480});
        SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    }
    controls.Add(L"STATIC", L"Torva  メニュー", SS_LEFT, kNoId, {960, 240, 3600, 270}, font);
    controls.Add(L"STATIC", L"Version " TORVA_VERSION_WTEXT, SS_LEFT, kNoId, {960, 570, 3600, 270}, font);
    controls.Add(L"STATIC", L"ランチャーメニュー実行プログラム", SS_LEFT, kNoId, {960, 900, 3600, 270}, font);
    controls.Add(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {1800, 1620, 1200, 390}, font);
}

void VersionBox::OnCommand(int id, int) {
    // Esc and the caption's close do what OK does, so the menu is never left disabled.
    if (id == IDOK || id == IDCANCEL) Close();
}

void VersionBox::Close() {
    ErrorLocation here(error_, 932);
    if (menu_) {
        EnableWindow(menu_, TRUE);
        SetForegroundWindow(menu_);
    }
    End(IDOK);
}

POINT VersionBox::Placement(HWND owner, SIZE outer) const {
    // Over the middle of the menu, kept on the screen (the vertical bar is narrower than the box).
    RECT menu{};
    GetWindowRect(owner, &menu);
    return POINT{
        CentredOverOrigin(menu.left, menu.right - menu.left, outer.cx, GetSystemMetrics(SM_CXSCREEN)),
        CentredOverOrigin(menu.top, menu.bottom - menu.top, outer.cy, GetSystemMetrics(SM_CYSCREEN))};
}

}  // namespace torva::runtime::win32
