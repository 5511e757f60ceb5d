#include "menuview/win32/canvas.h"

#include <utility>

#include "menuview/win32/gdi_api.h"

namespace torva::menuview::win32 {

Canvas::Canvas(int width, int height) : width_(width < 1 ? 1 : width), height_(height < 1 ? 1 : height) {
    HDC screen = GetDC(nullptr);
    dc_.reset(CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ReleaseDC(nullptr, screen);
    if (dc_ && bitmap_) {
        oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
        bits_ = static_cast<uint32_t*>(bits);
    }
}

Canvas::~Canvas() {
    Release();
}

void Canvas::Release() {
    // The bitmap must leave the DC before either is deleted.
    if (dc_ && oldBitmap_) SelectObject(dc_.get(), oldBitmap_);
    oldBitmap_ = nullptr;
    bits_ = nullptr;
    dc_.reset();
    bitmap_.reset();
}

Canvas::Canvas(Canvas&& other) noexcept
    : dc_(std::move(other.dc_)),
      bitmap_(std::move(other.bitmap_)),
      oldBitmap_(std::exchange(other.oldBitmap_, nullptr)),
      bits_(std::exchange(other.bits_, nullptr)),
      width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)) {}

Canvas& Canvas::operator=(Canvas&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = std::move(other.dc_);
        bitmap_ = std::move(other.bitmap_);
        oldBitmap_ = std::exchange(other.oldBitmap_, nullptr);
        bits_ = std::exchange(other.bits_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void Canvas::Fill(COLORREF colour) const {
    FillRect(0, 0, width_, height_, colour);
}

void Canvas::FillRect(int left, int top, int width, int height, COLORREF colour) const {
    if (!dc_) return;
    const RECT r{left, top, left + width, top + height};
    SetBkColor(dc_.get(), colour);
    ExtTextOutW(dc_.get(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

void Canvas::CopyTo(HDC dest, int x, int y) const {
    if (dc_) BitBlt(dest, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

void Canvas::CopyFrom(const Canvas& source, int sourceX, int sourceY) const {
    if (dc_ && source.dc_) BitBlt(dc_.get(), 0, 0, width_, height_, source.dc(), sourceX, sourceY, SRCCOPY);
}

std::vector<uint32_t> Canvas::Pixels() const {
    if (!bits_) return {};
    // GDI may still hold drawing in its queue; the memory is only current after a flush.
    GdiFlush();
    std::vector<uint32_t> out(bits_,
                              bits_ + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    for (uint32_t& p : out) p &= 0x00FFFFFFu;
    return out;
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF colour) {
    // Lines here are horizontal or vertical; a filled rectangle draws both ends exactly.
    const RECT r{x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, (x1 < x2 ? x2 : x1) + 1, (y1 < y2 ? y2 : y1) + 1};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

COLORREF ToColorRef(uint32_t colour, COLORREF fallback) {
    if (colour & 0x80000000u) return GetSysColor(static_cast<int>(colour & 0xFFu));
    if (colour & 0xFF000000u) return fallback;  // transparent and semi-transparent have no colour
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace torva::menuview::win32
