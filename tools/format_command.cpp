// Tvtool format: reads a definition with the editor's rules and writes it back as the editor writes.
// A file that does not read cleanly is left alone: writing it would drop what failed.

#include "common/run_error.h"
#include "tools/editor_session.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunFormat(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto session = EditorSession::Open(arguments, environment, "format", 1);
    if (!session) return kExitUsage;
    const std::string& source = session->source();
    const definition::ReadResult r = session->store().readDefinition(source);
    if (const auto stop = session->Report(r)) return *stop;
    if (!r.ok()) {
        environment.err << "Tvtool: not written, the definition did not read cleanly\n";
        return kExitRuleFailed;
    }
    if (r.invalidBytes > 0) {
        environment.err << "Tvtool: not written, " << r.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text and would be lost\n";
        return kExitUsage;
    }
    const std::string& target = session->target();
    const definition::SaveResult saved = session->store().writeDefinition(target);
    if (!saved.ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"; "
                        << (target == source ? "the file is unchanged" : "nothing written") << "\n";
        return kExitUsage;
    }
    return kExitOk;
}

}  // namespace torva::tools
