#pragma once
// TVSCRIPTBS: the script runner's entry procedure and its program-wide state.

#include <string>

#include "script/script_state.h"

namespace torva::script::win32 {

// The one ScriptState of this process.
ScriptState& ProgramState();

// Runs the runner for the text after the program name; returns the process exit status.
int RunTvscript(const std::string& commandLine);

}  // namespace torva::script::win32
