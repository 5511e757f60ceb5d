#include "editor/win32/dialogs/definition_dialog.h"
// After the dialog's header, which brings the Windows headers this one builds on.
#include <commctrl.h>

#include "editor/win32/dialogs/control_ids.h"
#include "editor/win32/dialogs/font_dialog.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

constexpr int kMargin = 120;
constexpr int kClosingWidth = 1380;
constexpr int kClosingPitch = 1440;
constexpr int kClosingHeight = 420;

}  // namespace

void DefinitionDialog::MakeTabs(ui::win32::TabPages& tabs, int clientWidthTwips, int heightTwips,
                                std::span<const std::string_view> titles) {
    tabs.Create(Controls(), ids::kTabs, {kMargin, kMargin, clientWidthTwips - 2 * kMargin, heightTwips});
    ui::win32::SetFont(tabs.Tabs(), DialogFont());
    for (std::string_view title : titles) tabs.AddPage(torva::win32::Wide(title));
}

void DefinitionDialog::MakeClosingButtons(const ui::win32::ControlMaker& maker, int left, int top) {
    Add(maker, L"BUTTON", "OK", WS_TABSTOP | BS_DEFPUSHBUTTON | WS_GROUP, IDOK,
        {left, top, kClosingWidth, kClosingHeight});
    Add(maker, L"BUTTON", "ｷｬﾝｾﾙ", WS_TABSTOP, IDCANCEL,
        {left + kClosingPitch, top, kClosingWidth, kClosingHeight});
    Add(maker, L"BUTTON", "ﾍﾙﾌﾟ(&H)", WS_TABSTOP, ids::kHelp,
        {left + 2 * kClosingPitch, top, kClosingWidth, kClosingHeight});
    SendMessageW(Handle(), DM_SETDEFID, IDOK, 0);
}

void DefinitionDialog::MakeColourPage(const ui::win32::ControlMaker& page, std::string_view heading,
                                      int headingId, PaletteControl& palette, int paletteId,
                                      dialogs::PaletteUse use) {
    Label(page, heading, headingId, {kMargin, 150, 4000, 270});
    palette.Create(page, paletteId, {kMargin, 540, 7400, 2300}, DialogFont(), use);
}

bool DefinitionDialog::IsPageChange(const ui::win32::TabPages& tabs, UINT message, LPARAM lParam) {
    if (message != WM_NOTIFY) return false;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return header->hwndFrom == tabs.Tabs() && header->code == TCN_SELCHANGE;
}

void DefinitionDialog::ShowFont(const dialogs::DialogFont& font) {
    Enable(ids::kFontClearButton, font.IsSet());
    SetText(ids::kFontSummary, dialogs::FontSummary(font));
}

void DefinitionDialog::PickFont(dialogs::DialogFont& font, int defaultSize) {
    const auto answer = AskFont(Handle(), dialogs::PrepareFontRequest(font, PixelsPerInchOf(Owner())),
                                EditorFaceNameSteps(Host().Error()));
    if (!answer) return;
    if (const auto chosen = dialogs::ApplyFontAnswer(*answer, defaultSize)) {
        font = *chosen;
        ShowFont(font);
    }
}

void DefinitionDialog::ClearFont(dialogs::DialogFont& font) {
    font.Clear();
    FocusControl(ids::kFontButton);
    ShowFont(font);
}

}  // namespace torva::editor::win32
