#include "tools/editor_session.h"

#include "common/run_error.h"
#include "tools/tool_options.h"

namespace torva::tools {

EditorSession::EditorSession(ToolEnvironment& environment, std::string programFolder)
    : environment_(environment), def_(std::make_unique<definition::MenuDefinition>()) {
    // A drive root keeps its backslash; any other folder is used without a trailing one.
    while (programFolder.size() > 3 && programFolder.back() == '\\') programFolder.pop_back();
    store_ = std::make_unique<definition::DefinitionStore>(
        *def_, environment.files, programFolder, environment.windowsFolder, environment.systemFolder);
}

std::unique_ptr<EditorSession> EditorSession::Open(const CommandArguments& arguments,
                                                   ToolEnvironment& environment, std::string_view command,
                                                   std::size_t minFiles) {
    const auto options = ParseReadOptions(arguments, false, minFiles, 2, environment);
    if (!options) return nullptr;
    if (options->editor) {
        environment.err << "Tvtool: " << command << " always reads with the editor's rules\n";
        return nullptr;
    }
    const std::string programFolder = options->programFolder.empty()
                                          ? environment.programFolder
                                          : environment.fullPath(options->programFolder);
    auto session = std::make_unique<EditorSession>(environment, programFolder);
    session->source_ = environment.fullPath(options->files[0]);
    session->target_ = options->files.size() > 1 ? environment.fullPath(options->files[1]) : session->source_;
    if (const auto problem = SourceProblem(session->source_, environment)) {
        environment.err << "Tvtool: " << *problem << "\n";
        return nullptr;
    }
    return session;
}

std::optional<int> EditorSession::Report(const definition::ReadResult& result) const {
    for (const auto& f : result.failures) environment_.err << FailureLine(f) << "\n";
    if (result.runErrorNumber == kErrPathFileAccess && result.failures.empty()) {
        environment_.err << "Tvtool: cannot read \"" << source_ << "\"\n";
        return kExitUsage;
    }
    if (result.runErrorNumber != 0) environment_.err << RunErrorLine(result) << "\n";
    return std::nullopt;
}

}  // namespace torva::tools
