#pragma once
// Pixels of a window as the user sees them, for checks on drawing and for debugging (SaveBmp).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace torva::e2e {

// A 32-bit top-down image; pixels are 0x00RRGGBB.
class Capture {
  public:
    Capture() = default;
    Capture(int width, int height, std::vector<uint32_t> pixels);

    bool Empty() const { return width_ == 0 || height_ == 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    // Pixel at (x, y); 0 outside the image.
    uint32_t At(int x, int y) const;
    // Pixels of exactly this colour (0x00RRGGBB) inside the rectangle (whole image by default).
    std::size_t Count(uint32_t rgb) const;
    std::size_t Count(uint32_t rgb, const RECT& area) const;
    // Share of pixels, 0..1, that equal the other image's at the same place (0 when sizes differ).
    double Similarity(const Capture& other) const;
    // Writes a 32-bit BMP file; false when it cannot be written.
    bool SaveBmp(const std::string& path) const;
    // Writes a 24-bit bottom-up BMP file, the plain form every picture reader takes: for pictures
    // handed to the programs under test.
    bool SavePictureBmp(const std::string& path) const;

    // An image whose pixel (x, y) is colourAt(x, y) (0x00RRGGBB).
    static Capture Filled(int width, int height, const std::function<uint32_t(int x, int y)>& colourAt);

    static constexpr uint32_t FromColorRef(COLORREF c) {
        return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
               GetBValue(c);
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

enum class CaptureSource {
    Screen,       // copy the window's rectangle from the screen (what is visible, overlaps included)
    PrintWindow,  // ask the window to paint itself into our bitmap
};

// The whole window (or only its client area) from the chosen source; empty on failure.
Capture CaptureWindow(HWND hwnd, bool clientOnly = false, CaptureSource source = CaptureSource::Screen);
// A rectangle of the screen.
Capture CaptureScreen(const RECT& area);
// An icon drawn at the given size over a plain background, for comparing with a capture.
Capture DrawIconOnColour(HICON icon, int width, int height, COLORREF background);

}  // namespace torva::e2e
