// Tvtool convert: reads an old-version definition and writes it in the current format. A file that is
// not old (rule 91) or has a line before its first page that is no keyword (rule 1) creates no output;
// other rule failures are reported, the values that failed are left out, and the rest is written.
#include <memory>

#include "common/path.h"
#include "common/run_error.h"
#include "editor/convert_definition.h"
#include "runtime/definition/definition_store.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunConvert(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = ParseReadOptions(arguments, false, 2, 2, environment);
    if (!options) return kExitUsage;
    if (options->editor) {
        environment.err << "Tvtool: convert always reads with the editor's rules\n";
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
    // Relative paths of the old file are kept against its own folder; the write moves them when the new
    // file lies elsewhere.
    store.setDefinitionFolder(source);
    const editor::ConvertContext context{store.folders(), environment.files, source};
    const definition::ReadResult r = editor::convertDefinitionFile(*def, context);
    for (const auto& f : r.failures) environment.err << FailureLine(f) << "\n";
    if (r.runErrorNumber == kErrPathFileAccess && r.failures.empty()) {
        environment.err << "Tvtool: cannot read \"" << source << "\"\n";
        return kExitUsage;
    }
    if (r.runErrorNumber != 0) environment.err << RunErrorLine(r) << "\n";
    if (r.stopped) {
        environment.err << "Tvtool: not converted, nothing written\n";
        return kExitRuleFailed;
    }
    if (r.invalidBytes > 0) {
        environment.err << "Tvtool: warning: " << r.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text and are written as \"?\"\n";
    }
    const definition::SaveResult saved = store.writeDefinition(target);
    if (!saved.ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"; nothing written\n";
        return kExitUsage;
    }
    return r.failures.empty() && r.invalidBytes == 0 ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
