#pragma once
// Twips (1/1440 inch) and pixels. Geometry is given in twips; at 96 dots per inch a pixel is 15
// twips. Conversions round to the nearest whole unit, halves away from zero, as MulDiv does.

namespace torva::win32 {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

constexpr int RoundedScale(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

constexpr int TwipsToPixels(int twips, int dpi = kDefaultDpi) {
    return RoundedScale(twips, dpi, kTwipsPerInch);
}
constexpr int PixelsToTwips(int pixels, int dpi = kDefaultDpi) {
    return RoundedScale(pixels, kTwipsPerInch, dpi);
}

// Whole twips per pixel of the screen (15 at 96 dots per inch), as screen metrics are given.
constexpr int TwipsPerPixel(int dpi = kDefaultDpi) {
    return dpi > 0 ? kTwipsPerInch / dpi : 15;
}

// Dots per inch of the screen, horizontally and vertically (96 when they cannot be read).
int ScreenDpiX();
int ScreenDpiY();

}  // namespace torva::win32
