// Tvshell.exe: the document opener's entry, wiring TVSHELLBS to the real registry, files and shell.
#include <windows.h>

#include "common/program_arguments.h"
#include "platform/win32/file_system.h"
#include "platform/win32/module_path.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/wide.h"
#include "shell/win32/tvshellbs.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    torva::win32::Win32Registry registry;
    torva::win32::Win32FileSystem files;
    torva::win32::Win32Shell shell;
    torva::shell::TVSHELLBS::Services services{registry, files, shell, torva::win32::ModuleFolder()};
    const std::string commandLine = torva::win32::Narrow(GetCommandLineW());
    const std::string arguments(torva::ArgumentText(commandLine, torva::win32::ModulePath()));
    return torva::shell::TVSHELLBS::Main(arguments, services);
}
