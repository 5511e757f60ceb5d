#include "menuview/win32/picture.h"

#include "menuview/win32/gdi_api.h"
#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

namespace {

int HimetricToPixels(long himetric, int dotsPerInch) {
    return static_cast<int>((static_cast<long long>(himetric) * dotsPerInch + 1270) / 2540);
}

}  // namespace

std::optional<Canvas> LoadPictureFile(const std::string& path, COLORREF background) {
    std::wstring wide = torva::win32::Wide(path);
    torva::win32::ComRef<IPicture> pic;
    if (FAILED(
            OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&pic.p))) ||
        !pic.p) {
        return std::nullopt;
    }
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    if (FAILED(pic.p->get_Width(&hmWidth)) || FAILED(pic.p->get_Height(&hmHeight))) return std::nullopt;
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const int width = HimetricToPixels(hmWidth, dpiX);
    const int height = HimetricToPixels(hmHeight, dpiY);
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return std::nullopt;
    Canvas canvas(width, height);
    if (!canvas) return std::nullopt;
    // Icons and transparent GIFs show the window's colour where they have no pixels.
    canvas.Fill(background);
    // Pictures are stored bottom-up in HIMETRIC: start at the top and go up by the height.
    if (FAILED(pic.p->Render(canvas.dc(), 0, 0, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr))) {
        return std::nullopt;
    }
    return canvas;
}

}  // namespace torva::menuview::win32
