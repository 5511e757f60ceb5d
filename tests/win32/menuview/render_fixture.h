#pragma once
// What the page renderer's tests share: a renderer without icons, and the layout and options a
// window of a kind gives it on a 1024 x 768 screen.
#include <windows.h>

#include <cstdint>
#include <string>

#include "menuview/win32/page_renderer.h"

namespace torva::menuview::win32 {

class NoIcons : public SlotIcons {
  public:
    HICON Icon(int, int, const std::string&, bool) override { return nullptr; }
};

// A colour as the canvases hold their pixels: 0xRRGGBB.
inline uint32_t Rgb(COLORREF c) {
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) |
           GetBValue(c);
}

// The layout of a kind of window in a display mode on the screen, and the options its window draws with.
inline ViewOptions ScreenOptions(WindowKind kind, int mode, MenuLayout& layout) {
    constexpr int kWidth = 1024;
    constexpr int kHeight = 768;
    layout = ComputeLayout(kind, mode, kWidth, kHeight, false);
    ViewOptions o;
    o.kind = kind;
    o.mode = mode;
    o.screenWidth = kWidth;
    o.screenHeight = kHeight;
    const SIZE client = ClientSizeOf(layout, kWidth, kHeight);
    o.clientWidth = client.cx;
    o.clientHeight = client.cy;
    return o;
}

}  // namespace torva::menuview::win32
