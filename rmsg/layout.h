#pragma once
// Geometry of the viewer window TVRMSGFM, in twips as designed.

#include "common/twips.h"

namespace torva::rmsg {

using torva::CentredOrigin;
using torva::FontHeightPixels;
using torva::PixelRect;
using torva::ToPixels;
using torva::TwipsRect;
using torva::TwipsToPixels;

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

// "ＭＳ Ｐゴシック" 9.75 pt.
inline constexpr int kMsgFontHundredths = 975;

}  // namespace torva::rmsg
