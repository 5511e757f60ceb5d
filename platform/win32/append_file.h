#pragma once
// Appends text to a file in one write, so that programs appending to the same log never
// interleave their lines, and never lose one to another.

#include <string>

namespace torva::win32 {

// How long a writer keeps trying while another process holds the file.
struct AppendRetry {
    int attempts = 50;
    unsigned pauseMs = 20;
};

// Creates the file when missing; retries as the retry says while another process holds or locks
// it. False when the text could not be written whole.
bool AppendToFile(const std::string& path, const std::string& text, AppendRetry retry = {});

// The value of an environment variable (UTF-8); empty when unset.
std::string EnvironmentValue(const std::string& name);

}  // namespace torva::win32
