#include "menuview/win32/gdi_text.h"

#include "menuview/win32/gdi_api.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

HFONT FontCache::Get(HDC dc, const FontChoice& font) {
    const int height = -MulDiv(font.size > 0 ? font.size : 9, GetDeviceCaps(dc, LOGPIXELSY), 72);
    std::wstring face = torva::win32::Wide(font.name);
    if (face.size() >= LF_FACESIZE) face.resize(LF_FACESIZE - 1);
    Key key{std::move(face), height, font.bold, font.italic};
    if (const auto it = fonts_.find(key); it != fonts_.end()) return static_cast<HFONT>(it->second.get());
    if (fonts_.size() >= kMaxFonts) fonts_.clear();
    torva::win32::UniqueGdiObject made(CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                                   font.italic, FALSE, FALSE, DEFAULT_CHARSET,
                                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                                   DEFAULT_PITCH | FF_DONTCARE, std::get<0>(key).c_str()));
    if (!made) return nullptr;
    return static_cast<HFONT>(fonts_.emplace(std::move(key), std::move(made)).first->second.get());
}

TextPainter::TextPainter(HDC dc, HFONT font, COLORREF colour) : dc_(dc) {
    if (font) oldFont_ = SelectObject(dc_, font);
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
