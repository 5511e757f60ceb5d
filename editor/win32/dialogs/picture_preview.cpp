#include "editor/win32/dialogs/picture_preview.h"

#include "platform/win32/wide.h"

namespace torva::editor::win32 {

namespace {

constexpr wchar_t kClassName[] = L"TorvaPicturePreview";

}  // namespace

PicturePreview::~PicturePreview() {
    Release();
    if (comStarted_) CoUninitialize();
}

void PicturePreview::Release() {
    if (picture_) picture_->Release();
    picture_ = nullptr;
    shown_.clear();
}

void PicturePreview::Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at) {
    // Pictures are read through OLE, which wants the thread initialised (a second start is counted).
    comStarted_ = SUCCEEDED(CoInitialize(nullptr));
    CreateControl(maker, kClassName, 0, 0, id, at, WS_EX_STATICEDGE);
}

void PicturePreview::Show(const std::optional<std::string>& path) {
    if (path && *path == shown_ && picture_) return;
    Release();
    if (path) {
        std::wstring wide = torva::win32::Wide(*path);
        IPicture* loaded = nullptr;
        if (SUCCEEDED(OleLoadPicturePath(wide.data(), nullptr, 0, 0, IID_IPicture,
                                         reinterpret_cast<void**>(&loaded))) &&
            loaded) {
            picture_ = loaded;
            shown_ = *path;
        }
    }
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT PicturePreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_DESTROY) return OwnerDrawnControl::OnMessage(message, wParam, lParam);
    Release();
    hwnd_ = nullptr;
    return 0;
}

void PicturePreview::Paint(HDC dc, const RECT& client) {
    if (!picture_) return;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (FAILED(picture_->get_Width(&width)) || FAILED(picture_->get_Height(&height)) || width <= 0 ||
        height <= 0) {
        return;
    }
    const long boxWidth = client.right - client.left;
    const long boxHeight = client.bottom - client.top;
    // Fitted into the box, proportions kept, centred.
    long drawWidth = boxWidth;
    long drawHeight = static_cast<long>(static_cast<long long>(boxWidth) * height / width);
    if (drawHeight > boxHeight) {
        drawHeight = boxHeight;
        drawWidth = static_cast<long>(static_cast<long long>(boxHeight) * width / height);
    }
    const long left = (boxWidth - drawWidth) / 2;
    const long top = (boxHeight - drawHeight) / 2;
    picture_->Render(dc, left, top, drawWidth, drawHeight, 0, height, width, -height, nullptr);
}

}  // namespace torva::editor::win32
