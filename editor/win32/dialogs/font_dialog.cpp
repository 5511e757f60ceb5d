#include "editor/win32/dialogs/font_dialog.h"

#include <commdlg.h>

#include "platform/win32/wide.h"

namespace torva::editor::win32 {

int PixelsPerInchOf(HWND window) {
    HDC dc = GetDC(window);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(window, dc);
    return dpi > 0 ? dpi : 96;
}

std::optional<dialogs::FontAnswer> AskFont(HWND owner, const dialogs::FontRequest& request) {
    LOGFONTW font{};
    lstrcpynW(font.lfFaceName, torva::win32::Wide(request.faceName).c_str(), LF_FACESIZE);
    font.lfHeight = request.height;
    font.lfWeight = request.weight;
    font.lfItalic = request.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner;
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOSCRIPTSEL;
    if (!request.selectStyle) choose.Flags |= CF_NOSTYLESEL;
    if (!request.selectFace) choose.Flags |= CF_NOFACESEL;
    if (!request.selectSize) choose.Flags |= CF_NOSIZESEL;
    if (!ChooseFontW(&choose)) return std::nullopt;
    // The dialog keeps a "no selection" flag set only for a part the user left unselected.
    dialogs::FontAnswer answer;
    answer.faceSelected = (choose.Flags & CF_NOFACESEL) == 0 && font.lfFaceName[0] != L'\0';
    answer.face = torva::win32::Narrow(font.lfFaceName);
    answer.styleSelected = (choose.Flags & CF_NOSTYLESEL) == 0;
    answer.weight = font.lfWeight;
    answer.italic = font.lfItalic != 0;
    answer.sizeSelected = (choose.Flags & CF_NOSIZESEL) == 0 && choose.iPointSize > 0;
    answer.sizeTenths = choose.iPointSize;
    return answer;
}

}  // namespace torva::editor::win32
