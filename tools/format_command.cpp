// Tvtool format: reads a definition with the editor's rules and writes it back as the editor writes.
// A file that does not read cleanly is left alone: writing it would drop what failed.
#include <memory>

#include "common/path.h"
#include "common/run_error.h"
#include "runtime/definition/definition_store.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunFormat(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = ParseReadOptions(arguments, false, 1, 2, environment);
    if (!options) return kExitUsage;
    if (options->editor) {
        environment.err << "Tvtool: format always reads with the editor's rules\n";
        return kExitUsage;
    }
    auto def = std::make_unique<definition::MenuDefinition>();
    const std::string programFolder = options->programFolder.empty()
                                          ? environment.programFolder
                                          : environment.fullPath(options->programFolder);
    definition::DefinitionStore store(*def, environment.files, programFolder, environment.windowsFolder,
                                      environment.systemFolder);
    const std::string source = environment.fullPath(options->files[0]);
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
    if (!r.ok()) {
        environment.err << "Tvtool: not written, the definition did not read cleanly\n";
        return kExitRuleFailed;
    }
    if (r.invalidBytes > 0) {
        environment.err << "Tvtool: not written, " << r.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text and would be lost\n";
        return kExitUsage;
    }
    const std::string target = options->files.size() > 1 ? environment.fullPath(options->files[1]) : source;
    const definition::SaveResult saved = store.writeDefinition(target);
    if (!saved.ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"; "
                        << (target == source ? "the file is unchanged" : "nothing written") << "\n";
        return kExitUsage;
    }
    return kExitOk;
}

}  // namespace torva::tools
