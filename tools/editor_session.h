#pragma once
// What the commands that read with the editor's rules (format, list, convert) share: their options,
// a store over Tvtool's machine, the source file's checks and the report of what the reading found.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "definition/definition_store.h"
#include "definition/menu_definition.h"
#include "tools/tool_commands.h"

namespace torva::tools {

class EditorSession {
  public:
    // Parses "[--program-folder DIR] FILE [OUT]" (OUT required when maxFiles is 2 and minFiles is 2).
    // Prints the problem and gives nothing when the command cannot start: a usage error, "--editor"
    // (these commands always read as the editor does) or a source that cannot be read (SourceProblem).
    static std::unique_ptr<EditorSession> Open(const CommandArguments& arguments,
                                               ToolEnvironment& environment, std::string_view command,
                                               std::size_t minFiles);

    EditorSession(ToolEnvironment& environment, std::string programFolder);

    definition::MenuDefinition& model() { return *def_; }
    definition::DefinitionStore& store() { return *store_; }
    const std::string& source() const { return source_; }
    // The second file argument, or the source when there is none.
    const std::string& target() const { return target_; }

    // Prints every rule failure and an unexpected failure; gives kExitUsage when the source could not
    // be read at all, nothing when the command can look at the result.
    std::optional<int> Report(const definition::ReadResult& result) const;

  private:
    ToolEnvironment& environment_;
    std::unique_ptr<definition::MenuDefinition> def_;
    std::unique_ptr<definition::DefinitionStore> store_;
    std::string source_;
    std::string target_;
};

}  // namespace torva::tools
