#pragma once
// What changed between two definitions: the definition-wide settings, then page by page and button by
// button, field by field.
//
// Only what a user of the menu can tell apart counts. Start, end and page start programs are started
// in their order, so their order counts, but an unused entry between them does not (STR2 alone is
// STR1 alone). The two elapsed-time and the two clock-time starts run independently of each other:
// swapping them is no change. Pages and buttons are compared by number and slot: a button moved to
// another slot is shown elsewhere, so it is a change. Under a common background only page 1's bar
// title (and its wait mode) is written on every page, so the bar titles the other pages hold are not
// compared, nor the editor's flag itself: what each page shows is.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "definition/menu_definition.h"

namespace torva::tools {

struct DefinitionChange {
    enum class Kind { Added, Removed, Changed };
    Kind kind = Kind::Changed;
    int page = 0;         // 0: a definition-wide setting
    int button = 0;       // 0: the page itself
    std::string field;    // empty when a whole page or button was added or removed
    nlohmann::json from;  // null when added
    nlohmann::json to;    // null when removed
};

std::vector<DefinitionChange> DiffDefinitions(const definition::MenuDefinition& a,
                                              const definition::MenuDefinition& b);

// "page 2, button 4: caption: "Old" -> "New"", "page 3: added", "displayMode: 1 -> 9".
std::string ChangeLine(const DefinitionChange& change);
nlohmann::json ChangeJson(const DefinitionChange& change);

}  // namespace torva::tools
