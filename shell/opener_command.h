#pragma once
// What one start of the document opener is asked to do, read from its argument text.

#include <string>
#include <string_view>

namespace torva::shell {

inline constexpr std::string_view kRegisterMarker = "<LinkTVX>";

struct OpenerRequest {
    bool registerAssociations = false;  // "<LinkTVX>": register the file types, open nothing
    std::string document;               // trimmed of blanks at both ends
    std::string workFolder;             // the "<folder>" part, or the own folder
};

// The argument text is what follows the program name. The first and the last character are each
// dropped when they are a double quote. "<LinkTVX>" (exact case, nothing else) asks for the
// registration; any other text is a document, optionally led by "<" + work folder + ">". An empty
// "<>" pair, or no ">" after the first character, means the own folder.
OpenerRequest ParseOpenerCommand(std::string_view arguments, std::string_view ownFolder);

// Drops a leading double quote and, independently, a trailing one.
std::string_view StripOuterQuotes(std::string_view text);

}  // namespace torva::shell
