// Tvtool convert: reads an old-version definition and writes it in the current format. A file that is
// not old (rule 91) or has a line before its first page that is no keyword (rule 1) creates no output,
// nor does one holding bytes that are not Shift-JIS text (they would be lost); other rule failures are
// reported, the values that failed are left out, and the rest is written.

#include "common/run_error.h"
#include "definition/convert_definition.h"
#include "tools/editor_session.h"
#include "tools/tool_commands.h"
#include "tools/tool_options.h"

namespace torva::tools {

int RunConvert(const CommandArguments& arguments, ToolEnvironment& environment) {
    const auto session = EditorSession::Open(arguments, environment, "convert", 2);
    if (!session) return kExitUsage;
    const std::string& source = session->source();
    const std::string& target = session->target();
    // Relative paths of the old file are kept against its own folder; the write moves them when the new
    // file lies elsewhere.
    session->store().setDefinitionFolder(source);
    const definition::ConvertContext context{session->store().folders(), environment.files, source};
    const definition::ReadResult r = definition::convertDefinitionFile(session->model(), context);
    if (const auto stop = session->Report(r)) return *stop;
    if (r.stopped) {
        environment.err << "Tvtool: not converted, nothing written\n";
        return kExitRuleFailed;
    }
    if (r.invalidBytes > 0) {
        environment.err << "Tvtool: not converted, " << r.invalidBytes
                        << " byte(s) of the file are not valid Shift-JIS text and would be lost\n";
        return kExitUsage;
    }
    const definition::SaveResult saved = session->store().writeDefinition(target);
    if (!saved.ok) {
        environment.err << "Tvtool: cannot write \"" << target << "\"; nothing written\n";
        return kExitUsage;
    }
    return r.failures.empty() ? kExitOk : kExitRuleFailed;
}

}  // namespace torva::tools
