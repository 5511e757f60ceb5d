#pragma once
// Background pictures loaded through OLE picture loading, so BMP, GIF, JPEG, ICO, WMF and EMF
// files all work, rendered once into a canvas of the picture's own pixel size.

#include <optional>
#include <string>

#include "menuview/win32/canvas.h"

namespace torva::menuview::win32 {

// Nothing when the file cannot be read as a picture.
std::optional<Canvas> LoadPictureFile(const std::string& path, COLORREF background);

}  // namespace torva::menuview::win32
