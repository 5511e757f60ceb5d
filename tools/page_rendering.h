#pragma once
// What Tvtool render asks of the machine: drawing pages off-screen into PNG files. The Windows
// program provides it through the page renderer the menu itself draws with; other builds have none.

#include <string>
#include <vector>

#include "definition/menu_definition.h"

namespace torva::tools {

struct RenderJob {
    const definition::MenuDefinition* definition = nullptr;
    std::vector<int> pages;        // defined pages, in order
    int mode = 1;                  // display mode 1..9
    std::string outFolder;         // full path; created when missing
    std::string programFolder;     // the menu's program folder: key marks and relative pictures
    std::string definitionFolder;  // relative pictures not found in the program folder
};

class PageRendering {
  public:
    virtual ~PageRendering() = default;
    // Writes one PNG per page, named by its page number ("7.png"), and lists the files written in
    // order. False with the problem when a page could not be drawn or written; the pages before it
    // stay written.
    virtual bool Render(const RenderJob& job, std::vector<std::string>& written, std::string& problem) = 0;
};

}  // namespace torva::tools
