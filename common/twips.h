#pragma once
// Twips (1/1440 inch) and pixels. Window and control geometry is designed in twips; at 96 dots per
// inch a pixel is 15 twips. Conversions round to the nearest whole unit, halves away from zero, as
// the system's MulDiv does, so a rectangle converted here matches one the system converted.

namespace torva {

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

struct TwipsRect {
    int left, top, width, height;
};

struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};

// Each edge converted on its own, as a control created from twips would be placed.
constexpr PixelRect ToPixels(const TwipsRect& r, int dpi = kDefaultDpi) {
    return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi),
            TwipsToPixels(r.height, dpi)};
}

// The height a logical font asks for (a negative character height) for a point size given in
// hundredths (9.75 pt is 975), rounded like the system's point conversion.
constexpr int FontHeightPixels(int hundredthsOfPoint, int dpi = kDefaultDpi) {
    return -RoundedScale(hundredthsOfPoint, dpi, 7200);
}

// Where a window of the given outer size is centred on a screen of the given size.
constexpr int CentredOrigin(int screen, int window) {
    return (screen - window) / 2;
}

// Centred over an owner's span [ownerStart, ownerStart + ownerSize), then kept on a screen of the
// given size (a window wider than the screen keeps its left edge on it).
constexpr int CentredOverOrigin(int ownerStart, int ownerSize, int window, int screen) {
    int at = ownerStart + (ownerSize - window) / 2;
    if (at > screen - window) at = screen - window;
    if (at < 0) at = 0;
    return at;
}

}  // namespace torva
