#include "tools/tool_commands.h"

namespace torva::tools {

const std::string_view kToolVersion = TORVA_VERSION_TEXT;

const std::vector<ToolCommand>& ToolCommands() {
    static const std::vector<ToolCommand> kCommands = {
        {"check", "[--editor] [--json] [--program-folder DIR] FILE", RunCheck},
        {"dump", "[--editor] [--program-folder DIR] FILE", RunDump},
        {"build", "[--force] [--program-folder DIR] --out FILE JSONFILE", RunBuild},
        {"diff", "[--json] [--program-folder DIR] A B", RunDiff},
        {"format", "FILE [OUT]", RunFormat},
        {"list", "[--program-folder DIR] FILE OUT", RunList},
        {"convert", "[--program-folder DIR] OLD NEW", RunConvert},
        {"render", "[--page N | --all] [--mode M] [--program-folder DIR] --out FOLDER FILE", RunRender},
        {"journal", "[--since TIME] [--button PAGE:BUTTON] JOURNALFILE", RunJournal},
    };
    return kCommands;
}

namespace {

void PrintUsage(std::ostream& stream) {
    stream << "Usage:\n";
    stream << "  Tvtool --version\n";
    for (const auto& command : ToolCommands())
        stream << "  Tvtool " << command.name << " " << command.usage << "\n";
    stream << "Exit codes: 0 no rule failed, 1 a rule failed, 2 usage or input/output error.\n";
}

}  // namespace

int RunTool(const std::vector<std::string>& args, ToolEnvironment& environment) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(args.empty() ? environment.err : environment.out);
        return args.empty() ? kExitUsage : kExitOk;
    }
    if (args[0] == "--version" && args.size() == 1) {
        environment.out << "Tvtool " << kToolVersion << "\n";
        return kExitOk;
    }
    for (const auto& command : ToolCommands()) {
        if (args[0] == command.name) {
            const CommandArguments rest(args.begin() + 1, args.end());
            return command.run(rest, environment);
        }
    }
    environment.err << "Tvtool: unknown command \"" << args[0] << "\"\n";
    PrintUsage(environment.err);
    return kExitUsage;
}

}  // namespace torva::tools
