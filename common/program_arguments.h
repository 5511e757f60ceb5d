#pragma once
// The argument text of a program's own command line: what follows the program name.

#include <string_view>

namespace torva {

// Skips the program name at the start of the raw command line and the blanks after it. A quoted
// name ends at its closing quote. An unquoted name normally ends at the first blank, but callers
// that compose "folder\Program.exe args" write the program path unquoted even when the folder
// holds blanks ("C:\Program Files\..."): when the line starts with the running program's own path
// (with or without ".exe", letters in any case) that whole path is the name.
std::string_view ArgumentText(std::string_view commandLine, std::string_view programPath);

}  // namespace torva
