#include "script/win32/tvscriptbs.h"

#include <windows.h>

#include "journal/win32/win32_journal.h"
#include "platform/win32/file_system.h"
#include "platform/win32/mailslots.h"
#include "platform/win32/power.h"
#include "platform/win32/processes.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"
#include "script/script_runner.h"
#include "script/win32/win32_script_host.h"

namespace torva::script::win32 {

int RunTvscript(const std::string& commandLine) {
    torva::win32::Win32FileSystem files;
    torva::win32::Win32Processes processes;
    torva::win32::Win32Shell shell;
    torva::win32::Win32SystemInfo system;
    torva::win32::Win32Power power;
    torva::win32::Win32Mailslots mailslots;
    Win32ScriptHost host(PlatformServices{files, processes, shell, system, power, mailslots});
    torva::win32::Win32JournalEnvironment journalEnvironment;
    journal::LaunchJournal journal(journalEnvironment, "Tvscript");
    ScriptState state;  // the runner's program state, for this one run
    ScriptRunner runner(host, state, &journal);
    return runner.Run(commandLine);
}

}  // namespace torva::script::win32

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    try {
        return torva::script::win32::RunTvscript(torva::win32::Narrow(commandLine ? commandLine : L""));
    } catch (...) {
        // The runner reports its own failures; this only keeps anything else from crashing the process.
        return 999;
    }
}
