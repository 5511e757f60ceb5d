#pragma once
// Appends text to a file in one write, so that programs appending to the same log never
// interleave their lines.

#include <string>

namespace torva::win32 {

// Creates the file when missing; retries briefly while another process holds it. False when the
// text could not be written whole.
bool AppendToFile(const std::string& path, const std::string& text);

// The value of an environment variable (UTF-8); empty when unset.
std::string EnvironmentValue(const std::string& name);

}  // namespace torva::win32
