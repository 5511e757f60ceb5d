#include "editor/win32/tvverfm.h"

#include "editor/location_codes.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {
constexpr int kIconId = 100;
constexpr int kTextId = 101;
constexpr wchar_t kVersionLine[] = L"ＴＯＲＶＡ ｆｏｒ Ｗｉｎｄｏｗｓ Ｖｅｒｓｉｏｎ ８．０５ａ";
}  // namespace

bool VersionBox::Show(HWND owner) {
    owner_ = owner;
    EnableWindow(owner, FALSE);
    if (ShowModeless(owner, L"【バージョン情報】", 6000, 1800)) return true;
    EnableWindow(owner, TRUE);
    return false;
}

void VersionBox::OnInit() {
    HWND icon = Controls().Add(L"STATIC", L"", SS_ICON, kIconId, {240, 240, 480, 480});
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(instance_, MAKEINTRESOURCEW(1))), 0);
    Controls().Add(L"STATIC", kVersionLine, SS_LEFT | SS_NOPREFIX, kTextId, {960, 360, 4900, 300},
                   ui::win32::GuiFont());
    HWND ok = Controls().Add(L"BUTTON", L"ＯＫ", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {2400, 1140, 1200, 420},
                             ui::win32::GuiFont());
    SetFocus(ok);
}

void VersionBox::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) Close();
}

void VersionBox::Close() {
    ErrorLocation here(error_, location::kVersionOk);
    if (owner_) {
        EnableWindow(owner_, TRUE);
        SetForegroundWindow(owner_);
    }
    End(IDOK);
}

}  // namespace torva::editor::win32
