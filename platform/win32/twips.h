#pragma once
// The screen's dots per inch; the twips arithmetic itself is portable (common/twips.h).

#include "common/twips.h"

namespace torva::win32 {

using torva::kDefaultDpi;
using torva::kTwipsPerInch;
using torva::PixelsToTwips;
using torva::TwipsPerPixel;
using torva::TwipsToPixels;

// Dots per inch of the screen, horizontally and vertically (96 when they cannot be read).
int ScreenDpiX();
int ScreenDpiY();

}  // namespace torva::win32
