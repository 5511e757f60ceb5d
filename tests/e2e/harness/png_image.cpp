#include "tests/e2e/harness/png_image.h"

// clang-format off
#include <windows.h>
#include <wincodec.h>
// clang-format on

#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::e2e {

namespace {

using win32::ComRef;
using win32::ComScope;

}  // namespace

Capture LoadPng(const std::string& path) {
    ComScope com;
    ComRef<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put())))) {
        return {};
    }
    ComRef<IWICBitmapDecoder> decoder;
    const std::wstring wide = win32::Wide(path);
    if (FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.put()))) {
        return {};
    }
    GUID container{};
    if (FAILED(decoder->GetContainerFormat(&container)) || !IsEqualGUID(container, GUID_ContainerFormatPng)) {
        return {};
    }
    ComRef<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.put()))) return {};
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom))) {
        return {};
    }
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0) return {};
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(pixels.data())))) {
        return {};
    }
    for (uint32_t& p : pixels) p &= 0x00FFFFFFu;
    return Capture(static_cast<int>(width), static_cast<int>(height), std::move(pixels));
}

}  // namespace torva::e2e
