// Tvtool diff: what changed between two definitions, each a definition file or the JSON of dump.
// Files are read with the editor's rules, which keep what names files this machine lacks: a diff
// shows what the files say, wherever they will run.
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>

#include "common/utf8.h"
#include "tools/definition_diff.h"
#include "tools/json_definition.h"
#include "tools/json_input.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

namespace {

class DiffReporter {
  public:
    DiffReporter(ToolEnvironment& environment, bool json) : environment_(environment), json_(json) {}

    int Error(const std::string& message) const {
        if (json_) {
            const nlohmann::json report = {{"ok", false}, {"error", message}};
            environment_.out << report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
        } else {
            environment_.err << "Tvtool: " << message << "\n";
        }
        return kExitUsage;
    }

  private:
    ToolEnvironment& environment_;
    bool json_;
};

ToolEnvironment WithErrorsTo(ToolEnvironment& environment, std::ostream& err) {
    return {environment.files,
            environment.programFolder,
            environment.windowsFolder,
            environment.systemFolder,
            environment.fullPath,
            environment.out,
            err,
            environment.rendering,
            environment.inspect};
}

// What a step wrote to its error stream, as one message without the program's name.
std::string Message(const std::ostringstream& captured) {
    std::string text = captured.str();
    if (text.starts_with("Tvtool: ")) text.erase(0, 8);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

bool IsJsonFile(const std::string& path) {
    return path.size() >= 5 && UpperLetters(path.substr(path.size() - 5)) == ".JSON";
}

// The definition of one side; an error text when there is none to compare.
std::optional<std::string> Load(const std::string& file, const ReadOptions& options,
                                definition::MenuDefinition& def, ToolEnvironment& environment) {
    if (IsJsonFile(file)) {
        std::ostringstream problem;
        ToolEnvironment quiet = WithErrorsTo(environment, problem);
        const auto source = ReadJsonInput(file, quiet);
        if (!source) return Message(problem);
        if (const auto p = DefinitionFromJson(*source, def))
            return environment.fullPath(file) + ": " + p->path + " " + p->message;
        return std::nullopt;
    }
    std::ostringstream problem;
    ToolEnvironment quiet = WithErrorsTo(environment, problem);
    const ToolRead read = ReadForTool(file, true, options.programFolder, def, quiet);
    if (!read.readable) return Message(problem);
    const std::string& path = read.path;
    // A reading that stopped leaves part of the file out: comparing it would report that part as gone.
    if (read.result.stopped || read.result.runErrorNumber != 0) {
        std::string first = read.result.failures.empty() ? RunErrorLine(read.result)
                                                         : FailureLine(read.result.failures.front());
        return "\"" + path + "\" did not read to its end (" + first + ")";
    }
    for (const auto& f : read.result.failures)
        environment.err << "Tvtool: warning: " << path << ": " << FailureLine(f) << "\n";
    return std::nullopt;
}

}  // namespace

int RunDiff(const CommandArguments& arguments, ToolEnvironment& environment) {
    bool json = false;
    for (const auto& a : arguments) json = json || a == "--json";
    const DiffReporter reporter(environment, json);
    std::ostringstream usage;
    ToolEnvironment quiet = WithErrorsTo(environment, usage);
    const auto options = ParseReadOptions(arguments, true, 2, 2, quiet);
    if (!options) return reporter.Error(Message(usage));
    if (options->editor)
        return reporter.Error("diff always reads as the editor does; --editor is not needed");
    auto left = std::make_unique<definition::MenuDefinition>();
    auto right = std::make_unique<definition::MenuDefinition>();
    if (const auto error = Load(options->files[0], *options, *left, environment))
        return reporter.Error(*error);
    if (const auto error = Load(options->files[1], *options, *right, environment))
        return reporter.Error(*error);

    const auto changes = DiffDefinitions(*left, *right);
    if (json) {
        nlohmann::json list = nlohmann::json::array();
        for (const auto& c : changes) list.push_back(ChangeJson(c));
        const nlohmann::json report = {{"ok", true}, {"equal", changes.empty()}, {"changes", list}};
        environment.out << report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
    } else {
        for (const auto& c : changes) environment.out << ChangeLine(c) << "\n";
    }
    return changes.empty() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
