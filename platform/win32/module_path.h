#pragma once
// Where a program file lives: the running program's own path and folder.

#include <windows.h>

#include <string>

namespace torva::win32 {

// Full path of the module (the running program when module is null), UTF-8; empty on failure.
std::string ModulePath(HMODULE module = nullptr);

// Folder of the module, without a trailing "\" (a program in a drive root gives "C:").
std::string ModuleFolder(HMODULE module = nullptr);

// The running program's command line after its own name (quoted or not), leading blanks removed.
std::string CommandLineAfterProgram();

}  // namespace torva::win32
