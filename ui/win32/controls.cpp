#include "ui/win32/controls.h"

#include "common/run_error.h"
#include "platform/win32/twips.h"

namespace torva::ui::win32 {

ScreenDpi ScreenDpi::Read() {
    return ScreenDpi{torva::win32::ScreenDpiX(), torva::win32::ScreenDpiY()};
}

HWND ControlMaker::Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, int id,
                       const TwipsRect& at, DWORD exStyle) const {
    const PixelRect r = dpi_.ToPixels(at);
    HWND control =
        CreateWindowExW(exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                        r.width, r.height, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent_, GWLP_HINSTANCE)), nullptr);
    if (!control) throw RunError(kErrOutOfMemory, "control not created");
    return control;
}

HWND ControlMaker::Add(const wchar_t* windowClass, const std::wstring& text, DWORD style, int id,
                       const TwipsRect& at, HGDIOBJ font, DWORD exStyle) const {
    HWND control = Add(windowClass, text, style, id, at, exStyle);
    SetFont(control, font);
    return control;
}

torva::win32::UniqueGdiObject MakeFont(const wchar_t* face, int hundredthsOfPoint, int dpiY, int weight,
                                       BYTE charset) {
    LOGFONTW lf{};
    lf.lfHeight = FontHeightPixels(hundredthsOfPoint, dpiY);
    lf.lfWeight = weight;
    lf.lfCharSet = charset;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return torva::win32::UniqueGdiObject(CreateFontIndirectW(&lf));
}

HGDIOBJ GuiFont() {
    return GetStockObject(DEFAULT_GUI_FONT);
}

void SetFont(HWND control, HGDIOBJ font) {
    if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::wstring WindowTextOf(HWND window) {
    if (!window) return {};
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

SIZE OuterSize(DWORD style, DWORD exStyle, int clientWidth, int clientHeight) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace torva::ui::win32
