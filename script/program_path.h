#pragma once
// Where the program or document of a WAIT:/NOWAIT: line is: an absolute name must exist; a relative
// one is looked for in the script's folder, the runner's folder, the Windows folder and the system
// folder, in this order. No extension is ever added.

#include <functional>
#include <string>
#include <string_view>

#include "script/script_state.h"

namespace torva::script {

struct ResolvedProgram {
    enum class Status {
        Found,     // path holds the full path
        Nothing,   // an empty name: nothing is started
        NotFound,  // error 2
        BadName,   // a name beginning with a single "\": error 3
    } status = Status::Nothing;
    std::string path;
};

using ExistsFunction = std::function<bool(const std::string&)>;

ResolvedProgram ResolveProgramPath(std::string_view name, const ScriptState& state,
                                   const ExistsFunction& exists);

}  // namespace torva::script
