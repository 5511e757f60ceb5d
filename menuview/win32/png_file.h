#pragma once
// Writing a canvas as a PNG file through the system's imaging component (WIC).

#include <string>

#include "menuview/win32/canvas.h"

namespace torva::menuview::win32 {

// A 24-bit PNG of the canvas; false with a reason when it cannot be encoded or written.
bool SavePng(const Canvas& canvas, const std::string& path, std::string& problem);

}  // namespace torva::menuview::win32
