#pragma once
// The editor's help is a set of HTML pages in the program folder, opened with the shell. Windows
// and dialogs ask for it by the context numbers they have always used.

#include <string>
#include <string_view>

namespace torva::editor {

inline constexpr int kHelpContents = 0;
inline constexpr int kHelpButtonDialog = 6;
inline constexpr int kHelpStartEndPrograms = 14;
inline constexpr int kHelpTimedStarts = 29;
inline constexpr int kHelpPageStartPrograms = 32;

// Folder of the pages below the program folder.
inline constexpr std::string_view kHelpFolder = "TvsetupHelp";

// The page of a context number; the contents page for numbers without a page of their own.
std::string_view HelpPage(int context);
// programFolder + "\" + kHelpFolder + "\" + HelpPage(context).
std::string HelpPagePath(std::string_view programFolder, int context);

}  // namespace torva::editor
