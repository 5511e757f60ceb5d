#include "runtime/win32/tvpassfm.h"

#include "common/error_state.h"
#include "platform/win32/wide.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm_prompts.h"

namespace torva::runtime::win32 {

namespace {

constexpr int kClientWidthTwips = 5415;
constexpr int kClientHeightTwips = 975;
constexpr int16_t kOpenErrorCode = 951;
constexpr int16_t kOkErrorCode = 953;
constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";

}  // namespace

bool PasswordDialog::Ask(HWND owner) {
    cancelled_ = 1;
    RunModal(owner, L"TORVA", kClientWidthTwips, kClientHeightTwips);
    return cancelled_ == 0;
}

void PasswordDialog::OnInit() {
    ErrorLocation location(error_, kOpenErrorCode);
    cancelled_ = 1;
    guideFont_ = Font(kFontFace, 1125);
    entryFont_ = Font(kFontFace, 1200);
    const ui::win32::ControlMaker controls = Controls();

    // Image1 lies behind everything; it is painted by OnPaintBackground, so it only has to exist.
    controls.Add(L"STATIC", L"", SS_OWNERDRAW | WS_DISABLED, kImageId,
                 {0, 0, kClientWidthTwips, kClientHeightTwips});
    const std::string guide = guide_.empty() ? std::string(kPasswordPrompt) : guide_;
    controls.Add(L"STATIC", torva::win32::Wide(guide), SS_LEFT | SS_NOPREFIX, kGuideId, {60, 120, 3975, 255},
                 guideFont_.get());
    HWND entry = controls.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_PASSWORD, kEntryId,
                              {60, 540, 3975, 375}, entryFont_.get(), WS_EX_CLIENTEDGE);
    SendMessageW(entry, EM_SETPASSWORDCHAR, L'*', 0);
    controls.Add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, {4140, 60, 1215, 375});
    controls.Add(L"BUTTON", L"ｷｬﾝｾﾙ", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, {4140, 540, 1215, 375});
    // Behind every other control in the z-order, as a picture covering the form would be.
    SetWindowPos(Item(kImageId), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(Handle(), DM_SETDEFID, IDOK, 0);
    SetFocus(entry);
}

void PasswordDialog::OnCommand(int id, int) {
    if (id == IDOK) {
        ErrorLocation location(error_, kOkErrorCode);
        if (torva::win32::Narrow(ItemText(kEntryId)) == password_) {
            cancelled_ = 0;
            End(IDOK);
            return;
        }
        // Wrong: the next typing replaces the whole entry.
        HWND entry = Item(kEntryId);
        SendMessageW(entry, EM_SETSEL, 0, -1);
        SetFocus(entry);
    } else if (id == IDCANCEL) {
        cancelled_ = 1;
        End(IDCANCEL);
    }
}

HBRUSH PasswordDialog::OnControlColour(HDC dc, HWND control) {
    if (control != Item(kGuideId)) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

void PasswordDialog::OnPaintBackground(HDC dc, const RECT& client) {
    // A quiet top-to-bottom shade from white to the button face colour, in 2-pixel bands.
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int height = client.bottom - client.top;
    if (height <= 0) return;
    for (int y = 0; y < height; y += 2) {
        const auto mix = [&](int to) { return 255 - (255 - to) * y / height; };
        torva::win32::UniqueGdiObject brush(
            CreateSolidBrush(RGB(mix(GetRValue(face)), mix(GetGValue(face)), mix(GetBValue(face)))));
        RECT band{client.left, client.top + y, client.right, client.top + y + 2};
        FillRect(dc, &band, static_cast<HBRUSH>(brush.get()));
    }
}

bool AskButtonPassword(TorvaRuntime& rt, HWND owner, const std::string& password, const std::string& guide) {
    PasswordDialog dialog(rt, rt.error, password, guide);
    return dialog.Ask(owner);
}

}  // namespace torva::runtime::win32
