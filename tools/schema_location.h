#pragma once
// Where the JSON Schema of the definition JSON lives: beside Tvtool.exe, named in every dump.

#include <string>
#include <string_view>

namespace torva::tools {

inline constexpr std::string_view kSchemaFileName = "torva-definition.schema.json";

// The file URI of the schema in the folder ("C:\Program Files\Torva" ->
// "file:///C:/Program%20Files/Torva/torva-definition.schema.json"; a network folder gives
// "file://server/share/..."), the form editors resolve wherever the JSON itself lies.
std::string SchemaLocation(std::string_view folder);

}  // namespace torva::tools
