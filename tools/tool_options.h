#pragma once
// The options the definition commands share, and reading a definition as a command asks.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "definition/definition_reader.h"
#include "definition/menu_definition.h"
#include "tools/tool_commands.h"

namespace torva::tools {

struct ReadOptions {
    bool editor = false;
    bool json = false;
    std::string programFolder;  // empty: Tvtool's own folder
    std::vector<std::string> files;
};

// Parses "--editor", "--json" (when allowed), "--program-folder DIR" and the file arguments; prints
// the problem and gives nothing on a usage error.
std::optional<ReadOptions> ParseReadOptions(const CommandArguments& arguments, bool allowJson,
                                            std::size_t minFiles, std::size_t maxFiles,
                                            ToolEnvironment& environment);

struct ToolRead {
    definition::ReadResult result;
    std::string path;      // the full path read
    bool readable = true;  // false: an input/output failure, already reported
    std::string problem;   // what the failure was, on one line
};

// Why a source cannot be read as a definition, on one line, or nothing when it can: it is missing, a
// folder, not a regular file (a pipe, a device) or larger than kMaxSourceBytes. Checked before reading.
std::optional<std::string> SourceProblem(const std::string& path, const ToolEnvironment& environment);

// The same check for any input file: `noun` names what the file should be ("a journal") and
// `tooLarge` ends the message for a file over `maxBytes`.
std::optional<std::string> InputProblem(const std::string& path, const ToolEnvironment& environment,
                                        const std::string& noun, std::uint64_t maxBytes,
                                        const std::string& tooLarge);

// Reads the file as the runtime or the editor would from Tvtool's machine.
ToolRead ReadForTool(const std::string& file, bool editor, const std::string& programFolder,
                     definition::MenuDefinition& def, ToolEnvironment& environment);

// "ErrorNo = rule : message : detail" with each CR shown as a blank.
std::string FailureLine(const definition::RuleFailure& failure);

// The report of an unexpected failure, on one line.
std::string RunErrorLine(const definition::ReadResult& result);

}  // namespace torva::tools
