#pragma once
// The common bar title of a definition: every page shows page 1's bar title when all pages, taken
// in file order, agree with their neighbour on text, background and page wait mode.

#include <vector>

#include "definition/menu_definition.h"

namespace torva::definition {

// Sets def.commonBackground when at least two pages were opened, page 1 among them, and all agree;
// otherwise leaves it as it is.
void DetectCommonBackground(MenuDefinition& def, const std::vector<int>& openedPages);

}  // namespace torva::definition
