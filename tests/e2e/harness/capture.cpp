#include "tests/e2e/harness/capture.h"

#include <fstream>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace torva::e2e {

namespace {

// A top-down 32-bit DIB section selected into a memory DC for the lifetime of the object.
class DibCanvas {
  public:
    DibCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc_.reset(CreateCompatibleDC(nullptr));
        if (!dc_) return;
        bitmap_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits_, nullptr, 0));
        if (!bitmap_) return;
        old_ = SelectObject(dc_.get(), bitmap_.get());
    }
    ~DibCanvas() {
        if (old_) SelectObject(dc_.get(), old_);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool Ok() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.get(); }
    Capture Take() const {
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits_);
        std::vector<uint32_t> pixels(p, p + static_cast<std::size_t>(width_) * height_);
        for (auto& px : pixels) px &= 0x00FFFFFF;
        return Capture(width_, height_, std::move(pixels));
    }

  private:
    int width_, height_;
    win32::UniqueMemoryDc dc_;
    win32::UniqueGdiObject bitmap_;
    void* bits_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

struct ScreenDc {
    HDC dc = GetDC(nullptr);
    ~ScreenDc() {
        if (dc) ReleaseDC(nullptr, dc);
    }
};

// A BMP file of the header and the pixel rows as given.
bool WriteBmpFile(const std::string& path, const BITMAPINFOHEADER& info, const char* rows, DWORD rowBytes) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + rowBytes;
    std::ofstream out(win32::Wide(path).c_str(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(rows, static_cast<std::streamsize>(rowBytes));
    return static_cast<bool>(out);
}

}  // namespace

Capture::Capture(int width, int height, std::vector<uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {}

uint32_t Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

std::size_t Capture::Count(uint32_t rgb) const {
    return Count(rgb, RECT{0, 0, width_, height_});
}

std::size_t Capture::Count(uint32_t rgb, const RECT& area) const {
    std::size_t n = 0;
    for (int y = area.top < 0 ? 0 : area.top; y < area.bottom && y < height_; ++y)
        for (int x = area.left < 0 ? 0 : area.left; x < area.right && x < width_; ++x)
            if (At(x, y) == rgb) ++n;
    return n;
}

double Capture::Similarity(const Capture& other) const {
    if (Empty() || width_ != other.width_ || height_ != other.height_) return 0.0;
    std::size_t same = 0;
    for (std::size_t i = 0; i < pixels_.size(); ++i)
        if (pixels_[i] == other.pixels_[i]) ++same;
    return static_cast<double>(same) / static_cast<double>(pixels_.size());
}

bool Capture::SaveBmp(const std::string& path) const {
    if (Empty()) return false;
    BITMAPINFOHEADER info{};
    const DWORD imageBytes = static_cast<DWORD>(pixels_.size() * 4);
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageBytes;
    return WriteBmpFile(path, info, reinterpret_cast<const char*>(pixels_.data()), imageBytes);
}

bool Capture::SavePictureBmp(const std::string& path) const {
    if (Empty()) return false;
    const int rowBytes = (width_ * 3 + 3) & ~3;
    std::string rows(static_cast<std::size_t>(rowBytes) * height_, '\0');
    for (int y = 0; y < height_; ++y) {
        char* row = &rows[static_cast<std::size_t>(height_ - 1 - y) * rowBytes];
        for (int x = 0; x < width_; ++x) {
            const uint32_t p = At(x, y);
            row[x * 3] = static_cast<char>(p & 0xFF);  // blue, green, red
            row[x * 3 + 1] = static_cast<char>((p >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((p >> 16) & 0xFF);
        }
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    return WriteBmpFile(path, info, rows.data(), static_cast<DWORD>(rows.size()));
}

Capture Capture::Filled(int width, int height, const std::function<uint32_t(int x, int y)>& colourAt) {
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels[static_cast<std::size_t>(y) * width + x] = colourAt(x, y);
    }
    return Capture(width, height, std::move(pixels));
}

Capture CaptureScreen(const RECT& area) {
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return {};
    DibCanvas canvas(w, h);
    ScreenDc screen;
    if (!canvas.Ok() || !screen.dc) return {};
    if (!BitBlt(canvas.Dc(), 0, 0, w, h, screen.dc, area.left, area.top, SRCCOPY | CAPTUREBLT)) return {};
    return canvas.Take();
}

Capture CaptureWindow(HWND hwnd, bool clientOnly, CaptureSource source) {
    RECT area{};
    if (clientOnly) {
        GetClientRect(hwnd, &area);
        MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
    } else {
        GetWindowRect(hwnd, &area);
    }
    if (source == CaptureSource::Screen) return CaptureScreen(area);
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return {};
    DibCanvas canvas(w, h);
    if (!canvas.Ok()) return {};
    if (!PrintWindow(hwnd, canvas.Dc(), clientOnly ? PW_CLIENTONLY : 0)) return {};
    return canvas.Take();
}

Capture DrawIconOnColour(HICON icon, int width, int height, COLORREF background) {
    DibCanvas canvas(width, height);
    if (!canvas.Ok()) return {};
    win32::UniqueGdiObject brush(CreateSolidBrush(background));
    const RECT all{0, 0, width, height};
    FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(brush.get()));
    DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    return canvas.Take();
}

}  // namespace torva::e2e
