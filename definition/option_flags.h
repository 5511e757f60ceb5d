#pragma once
// The ten option lines of a definition ("[DCHK]" .. "[NOFNC]") and the flags they set.

#include <string_view>

#include "definition/menu_definition.h"

namespace torva::definition {

// Sets the flag named by an option line; false when the key is no option line.
bool SetOptionFlag(DefinitionOptions& options, std::string_view key);

}  // namespace torva::definition
