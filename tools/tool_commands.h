#pragma once
// The Tvtool dispatcher. Each command lives in a file of its own; adding one is that file and one
// line in the table of tool_commands.cpp.

#include <string>
#include <string_view>
#include <vector>

#include "tools/tool_environment.h"

namespace torva::tools {

using CommandArguments = std::vector<std::string>;

// The suite's version (the project version of the build), as "--version" prints it.
extern const std::string_view kToolVersion;

struct ToolCommand {
    std::string_view name;
    std::string_view usage;  // the arguments after the name, for the usage text
    int (*run)(const CommandArguments& arguments, ToolEnvironment& environment);
};

// The commands, in the order the usage text lists them.
const std::vector<ToolCommand>& ToolCommands();

// args are the command-line arguments after the program name.
int RunTool(const std::vector<std::string>& args, ToolEnvironment& environment);

// The command functions.
int RunCheck(const CommandArguments& arguments, ToolEnvironment& environment);
int RunDump(const CommandArguments& arguments, ToolEnvironment& environment);
int RunBuild(const CommandArguments& arguments, ToolEnvironment& environment);
int RunDiff(const CommandArguments& arguments, ToolEnvironment& environment);
int RunFormat(const CommandArguments& arguments, ToolEnvironment& environment);
int RunList(const CommandArguments& arguments, ToolEnvironment& environment);
int RunConvert(const CommandArguments& arguments, ToolEnvironment& environment);
int RunRender(const CommandArguments& arguments, ToolEnvironment& environment);
int RunJournal(const CommandArguments& arguments, ToolEnvironment& environment);

}  // namespace torva::tools
