#pragma once
// An off-screen 32-bit bitmap with its own memory DC: the retained images of the menu window and
// of each of its controls. Painting only copies these; drawing into them happens when the page or
// the focus changes.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace torva::menuview::win32 {

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }
    explicit operator bool() const { return static_cast<bool>(dc_); }

    void Fill(COLORREF colour) const;
    void FillRect(int left, int top, int width, int height, COLORREF colour) const;
    // Copies the whole canvas to dest at (x, y).
    void CopyTo(HDC dest, int x, int y) const;
    // Copies a rectangle of another canvas into this one at (0, 0).
    void CopyFrom(const Canvas& source, int sourceX, int sourceY) const;
    // The pixels, row by row from the top, as 0x00RRGGBB.
    std::vector<uint32_t> Pixels() const;

  private:
    void Release();

    torva::win32::UniqueMemoryDc dc_;
    torva::win32::UniqueGdiObject bitmap_;
    HGDIOBJ oldBitmap_ = nullptr;
    uint32_t* bits_ = nullptr;  // the DIB section's memory, owned by bitmap_
    int width_ = 0;
    int height_ = 0;
};

// A pixel line from (x1, y1) to (x2, y2), both ends included.
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour);
// Colour values of the model: RGB 0x00BBGGRR or a system colour with the top bit set.
COLORREF ToColorRef(uint32_t colour, COLORREF fallback);

}  // namespace torva::menuview::win32
