// Tvtool check: reads a definition with the runtime's or the editor's rules and lists the failures.
#include <memory>
#include <nlohmann/json.hpp>

#include "common/fatal_report.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunCheck(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = ParseReadOptions(arguments, true, 1, 1, environment);
    if (!options) return kExitUsage;
    auto def = std::make_unique<definition::MenuDefinition>();
    const ToolRead read =
        ReadForTool(options->files[0], options->editor, options->programFolder, *def, environment);
    if (!read.readable) {
        // A pipeline reading the report must tell "no menu" from "a wrong menu" without the error stream.
        if (options->json) {
            const nlohmann::json report = {{"ok", false}, {"error", read.problem}};
            environment.out << report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        }
        return kExitUsage;
    }
    const definition::ReadResult& r = read.result;
    if (options->json) {
        nlohmann::json failures = nlohmann::json::array();
        for (const auto& f : r.failures) {
            failures.push_back({{"rule", f.rule},
                                {"message", f.message},
                                {"detail", f.detail},
                                {"passedOver", f.passedOver}});
        }
        if (r.runErrorNumber != 0) {
            failures.push_back({{"rule", r.error.code},
                                {"message", std::string(kUnrecoverableMessage)},
                                {"detail", std::string(kProcessingEnds)},
                                {"passedOver", false},
                                {"runError", r.runErrorNumber}});
        }
        const nlohmann::json report = {{"ok", r.ok()}, {"stopped", r.stopped}, {"failures", failures}};
        environment.out << report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    } else {
        for (const auto& f : r.failures) environment.out << FailureLine(f) << "\n";
        if (r.runErrorNumber != 0) environment.out << RunErrorLine(r) << "\n";
    }
    return r.ok() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
