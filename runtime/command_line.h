#pragma once
// Which definition file a start of the menu uses, from its command line.

#include <string>
#include <string_view>

namespace torva::runtime {

struct DefinitionLocation {
    std::string path;    // full path of the definition file
    std::string folder;  // its folder (a drive root keeps its backslash)
};

// The whole command-line text is one path: one leading and one trailing double quote are dropped;
// nothing (or only blanks) means TORVA.TVX in the program folder; a text without a drive colon in second
// place and not beginning with two backslashes is relative to the program folder.
DefinitionLocation ResolveDefinitionPath(std::string_view commandLine, std::string_view programFolder);

}  // namespace torva::runtime
