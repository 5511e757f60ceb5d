#pragma once
// Geometry of the viewer window TVRMSGFM, in twips as designed, and its conversion to pixels.

namespace torva::rmsg {

struct TwipsRect {
    int left, top, width, height;
};

struct PixelRect {
    int left, top, width, height;
    bool operator==(const PixelRect&) const = default;
};

inline constexpr int kTwipsPerInch = 1440;

// Rounds to the nearest pixel; at 96 dots per inch a pixel is 15 twips.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    return static_cast<int>(scaled >= 0 ? (scaled + kTwipsPerInch / 2) / kTwipsPerInch
                                        : -((-scaled + kTwipsPerInch / 2) / kTwipsPerInch));
}

constexpr PixelRect ToPixels(const TwipsRect& r, int dpi) {
    return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi),
            TwipsToPixels(r.height, dpi)};
}

// TVRMSGFM client area and controls. MSG sits inside Frame1; its offset is relative to the frame,
// which itself sits at the client origin.
inline constexpr int kClientWidth = 5655;
inline constexpr int kClientHeight = 1890;
inline constexpr TwipsRect kFrame1 = {0, 0, 5535, 1395};
inline constexpr TwipsRect kMsgInFrame = {60, 180, 5415, 1155};
inline constexpr TwipsRect kOk = {2340, 1500, 975, 315};

// MSG in client coordinates of the window.
constexpr TwipsRect MsgInClient() {
    return {kFrame1.left + kMsgInFrame.left, kFrame1.top + kMsgInFrame.top, kMsgInFrame.width,
            kMsgInFrame.height};
}

// "ＭＳ Ｐゴシック" 9.75 pt: the height in pixels that a logical font asks for (as a negative
// character height), rounded like the system's point conversion.
constexpr int FontHeightPixels(int hundredthsOfPoint, int dpi) {
    return -static_cast<int>((static_cast<long long>(hundredthsOfPoint) * dpi + 3600) / 7200);
}
inline constexpr int kMsgFontHundredths = 975;

// Where a window of the given outer size is centred on a screen of the given size.
constexpr int CentredOrigin(int screen, int window) {
    return (screen - window) / 2;
}

}  // namespace torva::rmsg
