#include "runtime/win32/input_box.h"

#include "platform/win32/wide.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm_prompts.h"

namespace torva::runtime::win32 {

namespace {

constexpr int kClientWidthTwips = 6000;
constexpr int kClientHeightTwips = 1950;

}  // namespace

std::optional<std::string> InputBox::Ask(HWND owner, const std::string& title) {
    answer_.reset();
    RunModal(owner, torva::win32::Wide(title), kClientWidthTwips, kClientHeightTwips);
    return answer_;
}

void InputBox::OnInit() {
    font_ = Font(L"ＭＳ Ｐゴシック", 900);
    const ui::win32::ControlMaker controls = Controls();
    controls.Add(L"STATIC", torva::win32::Wide(prompt_), SS_LEFT | SS_NOPREFIX, kPromptId,
                 {120, 120, 4440, 1080}, font_.get());
    controls.Add(L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, {4680, 120, 1200, 375}, font_.get());
    controls.Add(L"BUTTON", L"ｷｬﾝｾﾙ", WS_TABSTOP | BS_PUSHBUTTON, IDCANCEL, {4680, 555, 1200, 375},
                 font_.get());
    HWND entry = controls.Add(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, kEntryId,
                              {120, 1440, 5760, 330}, font_.get(), WS_EX_CLIENTEDGE);
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

std::optional<std::string> AskInputText(TorvaRuntime& rt, HWND owner, const std::string& prompt) {
    InputBox box(rt, prompt);
    return box.Ask(owner, "TORVA");
}

}  // namespace torva::runtime::win32
