#pragma once
// TVSCRIPTBS: the script runner's entry procedure; it owns the program state of the run.

#include <string>

namespace torva::script::win32 {

// Runs the runner for the text after the program name; returns the process exit status.
int RunTvscript(const std::string& commandLine);

}  // namespace torva::script::win32
