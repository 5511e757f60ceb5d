#include "runtime/program_entries.h"

#include "common/path.h"
#include "common/utf8.h"
#include "platform/processes.h"
#include "runtime/error_locations.h"

namespace torva::runtime {

EntryLaunch BuildEntryLaunch(EntryKind kind, const definition::ProgramEntry& entry,
                             std::string_view programFolder) {
    const std::string ext = LaunchExtension(entry.program);
    const bool comIsProgram = kind != EntryKind::End;
    const bool program = ext == "EXE" || ext == "BAT" || ext == "PIF" || (comIsProgram && ext == "COM");
    EntryLaunch out;
    if (program) {
        out.form = LaunchForm::Program;
        out.commandLine = "\"" + entry.program + "\" " + entry.arguments;
    } else if (ext == "TVS") {
        out.form = LaunchForm::Script;
        out.commandLine = std::string(programFolder) + "\\Tvscript.exe |TORVA|00000000|" + entry.program;
    } else {
        out.form = LaunchForm::Document;
        out.commandLine = std::string(programFolder) + "\\Tvshell.exe " + entry.program;
    }
    const bool document = out.form == LaunchForm::Document;
    switch (kind) {
        case EntryKind::Start:
            out.failureCode = document ? 31 : 30;
            break;
        case EntryKind::End:
            out.failureCode = document ? 30 : 20;
            break;
        case EntryKind::PageStart:
            out.failureCode = document ? 41 : 40;
            break;
    }
    return out;
}

void RunProgramEntries(EntryKind kind,
                       const std::array<definition::ProgramEntry, definition::kEntryCount>& entries,
                       std::string_view programFolder, platform::Processes& processes,
                       const EntryRunnerHooks& hooks) {
    for (const auto& entry : entries) {
        if (TrimBlanks(entry.program).empty()) continue;
        if (hooks.error) hooks.error->code = kExtensionRuleLocation;
        const EntryLaunch launch = BuildEntryLaunch(kind, entry, programFolder);
        const auto pid = processes.Start(launch.commandLine);
        if (hooks.started) hooks.started(entry, launch, pid);
        if (!pid || *pid == 0) {
            if (hooks.reportFailure)
                hooks.reportFailure(launch.failureCode, kLaunchFailedMessage, launch.commandLine);
            continue;
        }
        if (entry.waitMode == 0) continue;
        if (hooks.settle) hooks.settle(*pid);
        bool windowSeen = false;
        while (!platform::StartedProgramDone(processes.FindTorvaTitleWindow(*pid).found, windowSeen,
                                             [&] { return processes.HasEnded(*pid); })) {
            if (hooks.betweenChecks) hooks.betweenChecks();
        }
        if (hooks.waitEnded) hooks.waitEnded(*pid);
    }
}

}  // namespace torva::runtime
