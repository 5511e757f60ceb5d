#include "menuview/win32/gdi_text.h"

#include "menuview/win32/gdi_api.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

TextPainter::TextPainter(HDC dc, const FontChoice& font, COLORREF colour) : dc_(dc) {
    const int height = -MulDiv(font.size > 0 ? font.size : 9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    std::wstring face = torva::win32::Wide(font.name);
    if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
    font_.reset(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
    if (font_) oldFont_ = SelectObject(dc_, font_.get());
    SetTextColor(dc_, colour);
    SetBkMode(dc_, TRANSPARENT);
}

TextPainter::~TextPainter() {
    if (oldFont_) SelectObject(dc_, oldFont_);
}

SIZE TextPainter::Measure(const std::string& text) const {
    const std::wstring wide = torva::win32::Wide(text);
    SIZE size{};
    if (wide.empty()) {
        // An empty caption still has the line height, as the caption arithmetic expects.
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_, &tm);
        size.cy = tm.tmHeight;
        return size;
    }
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size;
}

void TextPainter::Print(const std::string& text, int x, int y) const {
    const std::wstring wide = torva::win32::Wide(text);
    if (!wide.empty()) TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

}  // namespace torva::menuview::win32
