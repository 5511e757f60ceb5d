#include "editor/win32/dialogs/font_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include "definition/definition_store.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

int PixelsPerInchOf(HWND window) {
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

namespace {

// Which of the face, style and size boxes of the font dialog the user changed. Not every
// implementation of the dialog clears the "no selection" flags it was opened with once the user picks
// something (and some fill the boxes regardless), so the watcher notes the user's own changes.
struct UserChoice {
    bool face = false;
    bool style = false;
    bool size = false;
};

// The dialog's own window data belongs to the system; the watcher keeps its pointer in a property.
constexpr wchar_t kChoiceProperty[] = L"TorvaFontUserChoice";

UINT_PTR CALLBACK WatchChoice(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* choose = reinterpret_cast<const CHOOSEFONTW*>(lParam);
        SetPropW(dialog, kChoiceProperty, reinterpret_cast<HANDLE>(choose->lCustData));
        return TRUE;
    }
    if (message == WM_DESTROY) RemovePropW(dialog, kChoiceProperty);
    const int notification = HIWORD(wParam);
    if (message == WM_COMMAND && (notification == CBN_SELCHANGE || notification == CBN_EDITCHANGE)) {
        if (auto* choice = static_cast<UserChoice*>(GetPropW(dialog, kChoiceProperty))) {
            switch (LOWORD(wParam)) {
                case cmb1:
                    choice->face = true;
                    break;
                case cmb2:
                    choice->style = true;
                    break;
                case cmb3:
                    choice->size = true;
                    break;
                default:
                    break;
            }
        }
    }
    return FALSE;  // the dialog's own handling goes on
}

}  // namespace

FaceNameSteps EditorFaceNameSteps(ErrorState& error) {
    return {{&error, definition::kLocationFaceNameToBytes}, {&error, definition::kLocationFaceNameFromBytes}};
}

std::optional<dialogs::FontAnswer> AskFont(HWND owner, const dialogs::FontRequest& request,
                                           const FaceNameSteps& steps) {
    LOGFONTW font{};
    EnterStep(steps.toDialog);
    lstrcpynW(font.lfFaceName, torva::win32::Wide(request.faceName).c_str(), LF_FACESIZE);
    font.lfHeight = request.height;
    font.lfWeight = request.weight;
    font.lfItalic = request.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    UserChoice chosen;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOSCRIPTSEL | CF_ENABLEHOOK;
    choose.lpfnHook = &WatchChoice;
    choose.lCustData = reinterpret_cast<LPARAM>(&chosen);
    if (!request.selectStyle) choose.Flags |= CF_NOSTYLESEL;
    if (!request.selectFace) choose.Flags |= CF_NOFACESEL;
    if (!request.selectSize) choose.Flags |= CF_NOSIZESEL;
    if (!ChooseFontW(&choose)) return std::nullopt;
    // A part counts as chosen when the dialog cleared its "no selection" flag or the user changed its box.
    dialogs::FontAnswer answer;
    answer.faceSelected = ((choose.Flags & CF_NOFACESEL) == 0 || chosen.face) && font.lfFaceName[0] != L'\0';
    EnterStep(steps.fromDialog);
    answer.face = torva::win32::Narrow(font.lfFaceName);
    answer.styleSelected = (choose.Flags & CF_NOSTYLESEL) == 0 || chosen.style;
    answer.weight = font.lfWeight;
    answer.italic = font.lfItalic != 0;
    answer.sizeSelected = ((choose.Flags & CF_NOSIZESEL) == 0 || chosen.size) && choose.iPointSize > 0;
    answer.sizeTenths = choose.iPointSize;
    return answer;
}

}  // namespace torva::editor::win32
