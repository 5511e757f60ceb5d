// Tvtool dump: the model read from a definition, as one JSON object.
#include <memory>

#include "tools/definition_json.h"
#include "tools/schema_location.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunDump(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = ParseReadOptions(arguments, false, 1, 1, environment);
    if (!options) return kExitUsage;
    auto def = std::make_unique<definition::MenuDefinition>();
    const ToolRead read =
        ReadForTool(options->files[0], options->editor, options->programFolder, *def, environment);
    if (!read.readable) return kExitUsage;
    // Failures go to the error stream so that the output stays one JSON object.
    for (const auto& f : read.result.failures) environment.err << FailureLine(f) << "\n";
    if (read.result.runErrorNumber != 0) environment.err << RunErrorLine(read.result) << "\n";
    nlohmann::json dumped = DefinitionToJson(*def);
    // Editors validate and complete the JSON against the schema installed beside Tvtool.
    dumped["$schema"] = SchemaLocation(environment.programFolder);
    environment.out << dumped.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    return read.result.ok() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
