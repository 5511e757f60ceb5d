// Tvtool build: a definition from the JSON that dump prints, written as the editor writes and checked
// with the runtime's rules before it replaces anything.
#include <memory>
#include <nlohmann/json.hpp>

#include "common/cp932.h"
#include "common/path.h"
#include "definition/definition_reader.h"
#include "definition/definition_writer.h"
#include "tools/json_definition.h"
#include "tools/json_input.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

namespace {

struct BuildOptions {
    std::string source;
    std::string out;
    std::string programFolder;
    bool force = false;
};

std::optional<BuildOptions> ParseBuildOptions(const CommandArguments& arguments,
                                              ToolEnvironment& environment) {
    BuildOptions options;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--force") {
            options.force = true;
        } else if (a == "--out" || a == "--program-folder") {
            if (i + 1 >= arguments.size()) {
                environment.err << "Tvtool: " << a << " needs " << (a == "--out" ? "a file" : "a folder")
                                << "\n";
                return std::nullopt;
            }
            (a == "--out" ? options.out : options.programFolder) = arguments[++i];
        } else if (a.size() > 1 && a.starts_with("--")) {
            environment.err << "Tvtool: unknown option \"" << a << "\"\n";
            return std::nullopt;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 1 || options.out.empty()) {
        environment.err << "Tvtool: build needs one JSON file and --out FILE\n";
        return std::nullopt;
    }
    options.source = files[0];
    return options;
}

}  // namespace

int RunBuild(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto options = ParseBuildOptions(arguments, environment);
    if (!options) return kExitUsage;
    const auto source = ReadJsonInput(options->source, environment);
    if (!source) return kExitUsage;
    auto def = std::make_unique<definition::MenuDefinition>();
    if (const auto problem = DefinitionFromJson(*source, *def)) {
        environment.err << "Tvtool: " << environment.fullPath(options->source) << ": " << problem->path << " "
                        << problem->message << "\n";
        return kExitUsage;
    }

    // The file is checked where it will live: its relative paths are looked for beside it.
    const std::string target = environment.fullPath(options->out);
    if (environment.files.IsFolder(target)) {
        environment.err << "Tvtool: \"" << target << "\" is a folder\n";
        return kExitUsage;
    }
    definition::SearchFolders folders;
    folders.definitionFolder = FolderPart(target);
    folders.programFolder = options->programFolder.empty() ? environment.programFolder
                                                           : environment.fullPath(options->programFolder);
    while (folders.programFolder.size() > 3 && folders.programFolder.back() == '\\')
        folders.programFolder.pop_back();
    folders.windowsFolder = environment.windowsFolder;
    folders.systemFolder = environment.systemFolder;
    const std::string bytes = EncodeCp932(definition::definitionText(*def, folders)).bytes;

    auto check = std::make_unique<definition::MenuDefinition>();
    const definition::ReaderContext context{definition::ReaderPolicy::Runtime(), folders, environment.files,
                                            target};
    const definition::ReadResult r = definition::readDefinitionBytes(bytes, *check, context);
    for (const auto& f : r.failures) environment.out << FailureLine(f) << "\n";
    if (r.runErrorNumber != 0) environment.out << RunErrorLine(r) << "\n";
    if (!r.ok() && !options->force) {
        environment.err << "Tvtool: not written, a rule failed (--force writes it all the same)\n";
        return kExitRuleFailed;
    }
    if (!definition::saveFileSafely(environment.files, target, bytes).ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"; nothing written\n";
        return kExitUsage;
    }
    return r.ok() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
