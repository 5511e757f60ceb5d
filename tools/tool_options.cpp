#include "tools/tool_options.h"

#include "common/path.h"
#include "common/run_error.h"

namespace torva::tools {

std::optional<ReadOptions> ParseReadOptions(const CommandArguments& arguments, bool allowJson,
                                            std::size_t minFiles, std::size_t maxFiles,
                                            ToolEnvironment& environment) {
    ReadOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--editor") {
            options.editor = true;
        } else if (a == "--json" && allowJson) {
            options.json = true;
        } else if (a == "--program-folder") {
            if (i + 1 >= arguments.size()) {
                environment.err << "Tvtool: --program-folder needs a folder\n";
                return std::nullopt;
            }
            options.programFolder = arguments[++i];
        } else if (a.size() > 1 && a.starts_with("--")) {
            environment.err << "Tvtool: unknown option \"" << a << "\"\n";
            return std::nullopt;
        } else {
            options.files.push_back(a);
        }
    }
    if (options.files.size() < minFiles || options.files.size() > maxFiles) {
        environment.err << "Tvtool: wrong number of file arguments\n";
        return std::nullopt;
    }
    return options;
}

std::optional<std::string> InputProblem(const std::string& path, const ToolEnvironment& environment,
                                        const std::string& noun, std::uint64_t maxBytes,
                                        const std::string& tooLarge) {
    SourceFacts facts;
    if (environment.inspect) {
        facts = environment.inspect(path);
    } else if (environment.files.Exists(path)) {
        facts.kind =
            environment.files.IsFolder(path) ? SourceFacts::Kind::Folder : SourceFacts::Kind::Regular;
    }
    const std::string quoted = "\"" + path + "\"";
    switch (facts.kind) {
        case SourceFacts::Kind::Missing:
            return "cannot find " + quoted;
        case SourceFacts::Kind::Folder:
            return quoted + " is a folder, not " + noun;
        case SourceFacts::Kind::NotRegular:
            return quoted + " is not a regular file";
        case SourceFacts::Kind::Regular:
            break;
    }
    if (facts.size > maxBytes) return quoted + " is larger than " + tooLarge;
    return std::nullopt;
}

std::optional<std::string> SourceProblem(const std::string& path, const ToolEnvironment& environment) {
    return InputProblem(path, environment, "a definition file", kMaxSourceBytes,
                        "16 MiB, too large for a definition");
}

ToolRead ReadForTool(const std::string& file, bool editor, const std::string& programFolder,
                     definition::MenuDefinition& def, ToolEnvironment& environment) {
    ToolRead read;
    read.path = environment.fullPath(file);
    definition::SearchFolders folders;
    folders.definitionFolder = FolderPart(read.path);
    folders.programFolder =
        programFolder.empty() ? environment.programFolder : environment.fullPath(programFolder);
    while (folders.programFolder.size() > 3 && folders.programFolder.back() == '\\')
        folders.programFolder.pop_back();
    folders.windowsFolder = environment.windowsFolder;
    folders.systemFolder = environment.systemFolder;
    const auto kind = editor ? definition::ReaderKind::Editor : definition::ReaderKind::Runtime;
    const definition::ReaderContext context{definition::ReaderPolicy::For(kind), folders, environment.files,
                                            read.path};
    // Both reading modes: "there is no menu" is an input/output failure, not a wrong menu.
    if (const auto problem = SourceProblem(read.path, environment)) {
        environment.err << "Tvtool: " << *problem << "\n";
        read.readable = false;
        read.problem = *problem;
        return read;
    }
    read.result = definition::readDefinitionFile(def, context);
    if (read.result.runErrorNumber == kErrPathFileAccess && read.result.failures.empty()) {
        read.problem = "cannot read \"" + read.path + "\"";
        environment.err << "Tvtool: " << read.problem << "\n";
        read.readable = false;
        return read;
    }
    if (read.result.invalidBytes > 0) {
        environment.err << "Tvtool: warning: " << read.result.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text\n";
    }
    return read;
}

namespace {
std::string CrAsBlank(std::string text) {
    for (char& c : text) {
        if (c == '\r') c = ' ';
    }
    return text;
}
}  // namespace

std::string FailureLine(const definition::RuleFailure& failure) {
    return "ErrorNo = " + std::to_string(failure.rule) + " : " + CrAsBlank(failure.message) + " : " +
           CrAsBlank(failure.detail);
}

std::string RunErrorLine(const definition::ReadResult& result) {
    return CrAsBlank(result.ReportText());
}

}  // namespace torva::tools
