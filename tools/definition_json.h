#pragma once
// A definition as one JSON object: what "Tvtool dump" prints.

#include <nlohmann/json.hpp>

#include "definition/menu_definition.h"

namespace torva::tools {

nlohmann::json DefinitionToJson(const definition::MenuDefinition& def);

}  // namespace torva::tools
