#include "script/program_path.h"

#include "common/path.h"
#include "common/utf8.h"
#include "script/command_line.h"

namespace torva::script {

ResolvedProgram ResolveProgramPath(std::string_view name, const ScriptState& state,
                                   const ExistsFunction& exists) {
    ResolvedProgram result;
    if (name.empty()) {
        // A bare folder would be found by the search and opened; an empty line names nothing.
        result.status = ResolvedProgram::Status::Nothing;
        return result;
    }
    const std::size_t chars = CharCount(name);
    if (chars < 2 && (name == "\\" || name == ":")) {
        result.status = ResolvedProgram::Status::Nothing;
        return result;
    }
    if (chars >= 2) {
        const bool absolute = IsAbsoluteScriptPath(name);
        if (absolute) {
            if (chars == 2) {
                result.status = ResolvedProgram::Status::Nothing;
                return result;
            }
            result.path = name;
            result.status =
                exists(result.path) ? ResolvedProgram::Status::Found : ResolvedProgram::Status::NotFound;
            if (result.status == ResolvedProgram::Status::NotFound) result.path.clear();
            return result;
        }
        if (name.front() == '\\') {
            result.status = ResolvedProgram::Status::BadName;
            return result;
        }
    }
    for (const std::string* folder :
         {&state.scriptFolder, &state.runnerFolder, &state.windowsFolder, &state.systemFolder}) {
        // A folder that could not be determined is no place to look (it would mean the drive root).
        if (folder->empty()) continue;
        std::string candidate = JoinPath(*folder, name);
        if (exists(candidate)) {
            result.status = ResolvedProgram::Status::Found;
            result.path = std::move(candidate);
            return result;
        }
    }
    result.status = ResolvedProgram::Status::NotFound;
    return result;
}

}  // namespace torva::script
