#pragma once
// Printing captions and titles into a retained image with the model's font choice. Fonts are made
// once per face, size and style and kept by a FontCache: a page of 24 buttons usually names one or
// two fonts, and a page switch then creates none.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "menuview/button_face.h"
#include "platform/win32/unique_handle.h"

namespace torva::menuview::win32 {

// Key colour of the semi-transparent pattern: pixels of this colour are not copied.
inline constexpr COLORREF kPatternKey = RGB(255, 0, 255);

class FontCache {
  public:
    // The font of the choice at the resolution of dc; owned by the cache. Null when the system
    // cannot make it.
    HFONT Get(HDC dc, const FontChoice& font);

  private:
    // Beyond this many fonts the cache starts again: a definition naming that many is rare, and the
    // process keeps its handles few.
    static constexpr std::size_t kMaxFonts = 32;
    // Face, height in pixels (negative: character height), bold, italic.
    using Key = std::tuple<std::wstring, int, bool, bool>;
    std::map<Key, torva::win32::UniqueGdiObject> fonts_;
};

class TextPainter {
  public:
    // font may be null (the DC's own font then prints).
    TextPainter(HDC dc, HFONT font, COLORREF colour);
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    SIZE Measure(const std::string& text) const;
    void Print(const std::string& text, int x, int y) const;

  private:
    HDC dc_;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace torva::menuview::win32
