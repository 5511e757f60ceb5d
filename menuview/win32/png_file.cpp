#include "menuview/win32/png_file.h"

#include "menuview/win32/gdi_api.h"
// clang-format off
#include <wincodec.h>
// clang-format on

#include <vector>

#include "platform/win32/com.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

namespace {

using torva::win32::ComRef;
using torva::win32::ComScope;

std::string Failed(const std::string& step, HRESULT hr) {
    char code[16];
    wsprintfA(code, "0x%08lX", static_cast<unsigned long>(hr));
    return step + " failed (" + code + ")";
}

}  // namespace

bool SavePng(const Canvas& canvas, const std::string& path, std::string& problem) {
    const std::vector<uint32_t> pixels = canvas.Pixels();
    if (pixels.empty()) {
        problem = "nothing to write";
        return false;
    }
    const UINT width = static_cast<UINT>(canvas.width());
    const UINT height = static_cast<UINT>(canvas.height());
    const UINT stride = (width * 3 + 3) & ~3u;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * height, 0);
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            BYTE* out = &rows[static_cast<std::size_t>(y) * stride + x * 3];
            out[0] = static_cast<BYTE>(p & 0xFF);  // blue, green, red
            out[1] = static_cast<BYTE>((p >> 8) & 0xFF);
            out[2] = static_cast<BYTE>((p >> 16) & 0xFF);
        }
    }
    ComScope com;
    ComRef<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(factory.put()));
    if (FAILED(hr)) return problem = Failed("starting the imaging component", hr), false;
    ComRef<IWICStream> stream;
    hr = factory->CreateStream(stream.put());
    const std::wstring wide = torva::win32::Wide(path);
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(wide.c_str(), GENERIC_WRITE);
    if (FAILED(hr)) return problem = "cannot write \"" + path + "\"", false;
    ComRef<IWICBitmapEncoder> encoder;
    hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put());
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.p, WICBitmapEncoderNoCache);
    ComRef<IWICBitmapFrameEncode> frame;
    if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(frame.put(), nullptr);
    if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
    if (SUCCEEDED(hr)) hr = frame->SetSize(width, height);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) hr = E_FAIL;
    if (SUCCEEDED(hr)) hr = frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data());
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    if (FAILED(hr)) return problem = Failed("encoding \"" + path + "\" as PNG", hr), false;
    return true;
}

}  // namespace torva::menuview::win32
