#include "runtime/win32/input_box.h"

#include "platform/win32/wide.h"
#include "runtime/win32/torvafm_prompts.h"

namespace torva::runtime::win32 {

namespace {

constexpr int kClientWidthTwips = 6000;
constexpr int kClientHeightTwips = 1950;

}  // namespace

std::optional<std::string> InputBox::Ask(HWND owner, const std::string& title) {
    answer_.reset();
    Run(owner, torva::win32::Wide(title), kClientWidthTwips, kClientHeightTwips);
    return answer_;
}

void InputBox::OnInit() {
    font_ = MakeFont(L"ＭＳ Ｐゴシック", 900);
    SetFont(AddControl(L"STATIC", torva::win32::Wide(prompt_), SS_LEFT | SS_NOPREFIX, kPromptId, 120, 120,
                       4440, 1080),
            font_);
    SetFont(AddControl(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 4680, 120, 1200, 375), font_);
    SetFont(AddControl(L"BUTTON", L"ｷｬﾝｾﾙ", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, 4680, 555, 1200, 375),
            font_);
    HWND entry = AddControl(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kEntryId, 120, 1440, 5760,
                            330, WS_EX_CLIENTEDGE);
    SetFont(entry, font_);
    SendMessageW(Handle(), DM_SETDEFID, IDOK, 0);
    SetFocus(entry);
}

void InputBox::OnCommand(int id, int) {
    if (id == IDOK) {
        answer_ = torva::win32::Narrow(ItemText(kEntryId));
        End(IDOK);
    } else if (id == IDCANCEL) {
        answer_.reset();
        End(IDCANCEL);
    }
}

std::optional<std::string> AskInputText(HWND owner, const std::string& prompt) {
    InputBox box(prompt);
    return box.Ask(owner, "TORVA");
}

}  // namespace torva::runtime::win32
