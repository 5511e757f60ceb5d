// Tvtool list: reads a definition with the editor's rules and writes its printable listing. A file that
// reads with rule failures is still listed (the listing shows what the editor would hold) and the exit
// code tells; a file whose reading stopped is not listed.
#include <memory>

#include "common/run_error.h"
#include "editor/definition_listing.h"
#include "runtime/definition/definition_store.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunList(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = ParseReadOptions(arguments, false, 2, 2, environment);
    if (!options) return kExitUsage;
    if (options->editor) {
        environment.err << "Tvtool: list always reads with the editor's rules\n";
        return kExitUsage;
    }
    std::string programFolder = options->programFolder.empty() ? environment.programFolder
                                                               : environment.fullPath(options->programFolder);
    while (programFolder.size() > 3 && programFolder.back() == '\\') programFolder.pop_back();
    auto def = std::make_unique<definition::MenuDefinition>();
    definition::DefinitionStore store(*def, environment.files, programFolder, environment.windowsFolder,
                                      environment.systemFolder);
    const std::string source = environment.fullPath(options->files[0]);
    const std::string target = environment.fullPath(options->files[1]);
    if (!environment.files.Exists(source) || environment.files.IsFolder(source)) {
        environment.err << "Tvtool: cannot find \"" << source << "\"\n";
        return kExitUsage;
    }
    const definition::ReadResult r = store.readDefinition(source);
    for (const auto& f : r.failures) environment.err << FailureLine(f) << "\n";
    if (r.runErrorNumber == kErrPathFileAccess && r.failures.empty()) {
        environment.err << "Tvtool: cannot read \"" << source << "\"\n";
        return kExitUsage;
    }
    if (r.runErrorNumber != 0) environment.err << RunErrorLine(r) << "\n";
    if (r.stopped) {
        environment.err << "Tvtool: no listing written, the reading stopped\n";
        return kExitRuleFailed;
    }
    if (r.invalidBytes > 0) {
        environment.err << "Tvtool: warning: " << r.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text and are listed as \"?\"\n";
    }
    const definition::SaveResult saved =
        editor::writeListing(environment.files, target, *def, store.folders());
    if (!saved.ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"\n";
        return kExitUsage;
    }
    return r.failures.empty() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
