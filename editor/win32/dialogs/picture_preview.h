#pragma once
// The bar-title dialog's picture preview: the picture file scaled to fit the control, keeping its
// proportions, or an empty sunken frame when there is none or it cannot be read.

#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <optional>
#include <string>

#include "common/twips.h"
#include "ui/win32/controls.h"
#include "ui/win32/owner_drawn_control.h"

namespace torva::editor::win32 {

class PicturePreview : public ui::win32::OwnerDrawnControl {
  public:
    PicturePreview() = default;
    ~PicturePreview() override;

    void Create(const ui::win32::ControlMaker& maker, int id, const TwipsRect& at);
    // Shows a picture file (absolute path) or, without one, nothing.
    void Show(const std::optional<std::string>& path);

  private:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) override;
    void Release();

    IPicture* picture_ = nullptr;
    std::string shown_;
    bool comStarted_ = false;
};

}  // namespace torva::editor::win32
