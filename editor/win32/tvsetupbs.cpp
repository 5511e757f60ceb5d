// TVSETUPBS: the entry of Tvsetup.exe. It reads the folders, registers the file types through the
// document opener and shows the main window, which takes the command line. Nothing here starts OLE: the
// pictures of the preview load without it (bitmaps) or start it for themselves, as do the file dialogs and
// the help.
#include "editor/win32/tvsetupbs.h"

#include "common/path.h"
#include "common/run_error.h"
#include "editor/location_codes.h"
#include "editor/win32/tvsetupfm.h"
#include "editor/win32/win_api.h"
#include "platform/background_starts.h"
#include "platform/win32/file_system.h"
#include "platform/win32/message_box.h"
#include "platform/win32/module_path.h"
#include "platform/win32/processes.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"
#include "ui/win32/message_pump.h"

namespace torva::editor::win32 {

void ShowEditorError(TvsetupProgram& program, HWND owner, int runErrorNumber) {
    std::string text;
    if (program.store) {
        text = program.store->showStoreError(0, 0, {}, runErrorNumber);
    } else {
        text = "継続不可能なエラーが発生しました。\r処理を終了します。\rErrorNo = " +
               std::to_string(location::kProgramEntry) + " : " + std::to_string(runErrorNumber);
    }
    torva::win32::ShowErrorBox(owner, text, "TVSETUP");
}

void EditorFatalReport::ReportFatal(int runErrorNumber) noexcept {
    try {
        // The registration kept for after the first page still comes before anything is shown.
        if (program_.backgroundStarts) program_.backgroundStarts->FinishBackgroundStart();
        ShowEditorError(program_, nullptr, runErrorNumber);
    } catch (...) {
        // The report itself failed (no memory): end anyway.
    }
    ExitProcess(1);
}

namespace {

int Run(TvsetupProgram& program, EditorFatalReport& report) {
    torva::win32::Win32SystemInfo system;
    program.executablePath = torva::win32::ModulePath();
    program.programFolder = system.ProgramFolder();
    program.windowsFolder = system.WindowsFolder();
    program.systemFolder = system.SystemFolder();
    program.tallCaption = system.IsTallCaptionPlatform();
    program.files = std::make_unique<torva::win32::Win32FileSystem>();
    auto processes = std::make_unique<platform::BackgroundStartProcesses>(
        std::make_unique<torva::win32::Win32Processes>());
    program.backgroundStarts = processes.get();
    program.processes = std::move(processes);
    program.shell = std::make_unique<torva::win32::Win32Shell>();
    program.registry = std::make_unique<torva::win32::Win32Registry>();
    program.model = std::make_unique<definition::MenuDefinition>();
    program.store = std::make_unique<definition::DefinitionStore>(
        *program.model, *program.files, program.programFolder, program.windowsFolder, program.systemFolder);
    ErrorLocation here(program.store->error(), location::kProgramEntry);

    // The file types are registered at every start, as the other programs of the suite do; a
    // missing document opener is no reason not to edit. The process is created on a thread of its
    // own a moment after the window has shown its first page (the window asks for it): made during
    // the start, the new process shares the processor with it. Any other start (the menu from the
    // File menu), an error report and the end make it first if it is still kept.
    program.backgroundStarts->DeferStart("\"" + JoinPath(program.programFolder, "Tvshell.exe") +
                                         "\" <LinkTVX>");

    MainWindow window(program, report);
    if (!window.Open(torva::win32::CommandLineAfterProgram())) return 1;
    return ui::win32::RunMessageLoop();
}

}  // namespace

}  // namespace torva::editor::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace torva::editor::win32;
    TvsetupProgram program;
    program.instance = instance;
    EditorFatalReport report(program);
    int code = 1;
    try {
        code = Run(program, report);
    } catch (...) {
        report.ReportFatal(torva::RunErrorNumberOf(std::current_exception()));
    }
    return code;
}
