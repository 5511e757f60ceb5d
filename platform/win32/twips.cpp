#include "platform/win32/twips.h"

#include <windows.h>

namespace torva::win32 {

namespace {
int ScreenDpi(int index) {
    HDC screen = GetDC(nullptr);
    if (!screen) return kDefaultDpi;
    const int dpi = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDefaultDpi;
}
}  // namespace

int ScreenDpiX() {
    return ScreenDpi(LOGPIXELSX);
}
int ScreenDpiY() {
    return ScreenDpi(LOGPIXELSY);
}

}  // namespace torva::win32
