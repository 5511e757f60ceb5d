#pragma once
// Printing captions and titles into a retained image with the model's font choice.

#include <windows.h>

#include <string>

#include "menuview/button_face.h"
#include "platform/win32/unique_handle.h"

namespace torva::menuview::win32 {

// Key colour of the semi-transparent pattern: pixels of this colour are not copied.
inline constexpr COLORREF kPatternKey = RGB(255, 0, 255);

class TextPainter {
  public:
    TextPainter(HDC dc, const FontChoice& font, COLORREF colour);
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    SIZE Measure(const std::string& text) const;
    void Print(const std::string& text, int x, int y) const;

  private:
    HDC dc_;
    torva::win32::UniqueGdiObject font_;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace torva::menuview::win32
