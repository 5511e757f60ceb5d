#include "menuview/win32/picture.h"

#include "menuview/win32/gdi_api.h"
#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

namespace {

constexpr int kMaxSide = 16384;

int HimetricToPixels(long himetric, int dotsPerInch) {
    return static_cast<int>((static_cast<long long>(himetric) * dotsPerInch + 1270) / 2540);
}

bool StartsAsBitmap(const std::wstring& path) {
    torva::win32::UniqueFileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    char magic[2] = {};
    DWORD read = 0;
    return file && ReadFile(file.get(), magic, sizeof magic, &read, nullptr) && read == sizeof magic &&
           magic[0] == 'B' && magic[1] == 'M';
}

// Bitmap files through the system's own bitmap loading: no OLE to load for the most common picture.
std::optional<Canvas> LoadBitmapFile(const std::wstring& path) {
    torva::win32::UniqueGdiObject bitmap(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap.get(), sizeof info, &info)) return std::nullopt;
    const int width = info.bmWidth;
    const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    Canvas canvas(width, height);
    torva::win32::UniqueMemoryDc source(CreateCompatibleDC(canvas.dc()));
    if (!canvas || !source) return std::nullopt;
    const HGDIOBJ old = SelectObject(source.get(), bitmap.get());
    const bool copied = BitBlt(canvas.dc(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY) != FALSE;
    SelectObject(source.get(), old);
    if (!copied) return std::nullopt;
    return canvas;
}

// Every other kind (JPEG, GIF, icons, metafiles) through OLE picture loading. OLE is loaded for
// these alone, so that a menu without such a picture never loads it at all.
std::optional<Canvas> LoadThroughOle(const std::wstring& path, COLORREF background) {
    torva::win32::UniqueModule ole(LoadLibraryW(L"ole32.dll"));
    torva::win32::UniqueModule automation(LoadLibraryW(L"oleaut32.dll"));
    if (!ole || !automation) return std::nullopt;
    using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
    using CoUninitializeFn = void(WINAPI*)();
    using LoadPathFn = HRESULT(WINAPI*)(LPOLESTR, LPUNKNOWN, DWORD, OLE_COLOR, REFIID, LPVOID*);
    const auto initialize = reinterpret_cast<CoInitializeExFn>(
        reinterpret_cast<void*>(GetProcAddress(ole.get(), "CoInitializeEx")));
    const auto uninitialize = reinterpret_cast<CoUninitializeFn>(
        reinterpret_cast<void*>(GetProcAddress(ole.get(), "CoUninitialize")));
    const auto loadPath = reinterpret_cast<LoadPathFn>(
        reinterpret_cast<void*>(GetProcAddress(automation.get(), "OleLoadPicturePath")));
    if (!initialize || !uninitialize || !loadPath) return std::nullopt;
    // The thread's COM stays as the program set it; this call's own start is undone at its end.
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<Canvas> result;
    {
        std::wstring wide = path;
        torva::win32::ComRef<IPicture> pic;
        OLE_XSIZE_HIMETRIC hmWidth = 0;
        OLE_YSIZE_HIMETRIC hmHeight = 0;
        if (SUCCEEDED(loadPath(wide.data(), nullptr, 0, 0, IID_IPicture, reinterpret_cast<void**>(&pic.p))) &&
            pic.p && SUCCEEDED(pic.p->get_Width(&hmWidth)) && SUCCEEDED(pic.p->get_Height(&hmHeight))) {
            HDC screen = GetDC(nullptr);
            const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
            const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
            ReleaseDC(nullptr, screen);
            const int width = HimetricToPixels(hmWidth, dpiX);
            const int height = HimetricToPixels(hmHeight, dpiY);
            if (width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide) {
                Canvas canvas(width, height);
                if (canvas) {
                    // Icons and transparent GIFs show the window's colour where they have no pixels.
                    canvas.Fill(background);
                    // Pictures are stored bottom-up in HIMETRIC: start at the top and go up by the height.
                    if (SUCCEEDED(pic.p->Render(canvas.dc(), 0, 0, width, height, 0, hmHeight, hmWidth,
                                                -hmHeight, nullptr)))
                        result = std::move(canvas);
                }
            }
        }
    }
    if (SUCCEEDED(com)) uninitialize();
    return result;
}

}  // namespace

std::optional<Canvas> LoadPictureFile(const std::string& path, COLORREF background) {
    const std::wstring wide = torva::win32::Wide(path);
    if (wide.empty()) return std::nullopt;
    if (StartsAsBitmap(wide)) {
        // A bitmap the system's loader refuses (an unusual header) may still read through OLE.
        if (auto bitmap = LoadBitmapFile(wide)) return bitmap;
    }
    return LoadThroughOle(wide, background);
}

bool PictureCache::Key::operator==(const Key& other) const {
    return path == other.path && background == other.background && exists == other.exists &&
           CompareFileTime(&written, &other.written) == 0 && size == other.size;
}

const Canvas* PictureCache::Get(const std::string& path, COLORREF background) {
    Key key{path, background};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(torva::win32::Wide(path).c_str(), GetFileExInfoStandard, &data)) {
        key.exists = true;
        key.written = data.ftLastWriteTime;
        key.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    if (!key_ || !(*key_ == key)) {
        picture_.reset();
        if (key.exists) picture_ = LoadPictureFile(path, background);
        key_ = std::move(key);
        ++generation_;
    }
    return picture_ ? &*picture_ : nullptr;
}

}  // namespace torva::menuview::win32
