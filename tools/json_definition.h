#pragma once
// A definition from the JSON that "Tvtool dump" prints: the reverse of definition_json.h. Keys left out
// keep the values of an empty definition; everything else must be what the writer can put into a file
// unchanged, so that a build never drops part of what the JSON says.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "definition/menu_definition.h"

namespace torva::tools {

struct JsonProblem {
    std::string path;  // where in the JSON, as "$.pages[0].buttons[2].caption"
    std::string message;
};

// Fills def (cleared first) from the JSON; gives the first problem met, nothing when the JSON is a
// definition.
std::optional<JsonProblem> DefinitionFromJson(const nlohmann::json& source, definition::MenuDefinition& def);

}  // namespace torva::tools
