// Tvtool list: reads a definition with the editor's rules and writes its printable listing. A file that
// reads with rule failures is still listed (the listing shows what the editor would hold) and the exit
// code tells; a file whose reading stopped is not listed.

#include "common/run_error.h"
#include "definition/definition_listing.h"
#include "tools/editor_session.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunList(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto session = EditorSession::Open(arguments, environment, "list", 2);
    if (!session) return kExitUsage;
    const std::string& target = session->target();
    const definition::ReadResult r = session->store().readDefinition(session->source());
    if (const auto stop = session->Report(r)) return *stop;
    if (r.stopped) {
        environment.err << "Tvtool: no listing written, the reading stopped\n";
        return kExitRuleFailed;
    }
    if (r.invalidBytes > 0) {
        environment.err << "Tvtool: warning: " << r.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text and are listed as \"?\"\n";
    }
    const definition::SaveResult saved =
        definition::writeListing(environment.files, target, session->model(), session->store().folders());
    if (!saved.ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"\n";
        return kExitUsage;
    }
    return r.failures.empty() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
