#pragma once
// Reading PNG files (those Tvtool render writes) into a Capture, through the system's imaging
// component, so they compare with the pixels of a running program.

#include <string>

#include "tests/e2e/harness/capture.h"

namespace torva::e2e {

// Empty when the file is missing or not a PNG image.
Capture LoadPng(const std::string& path);

}  // namespace torva::e2e
