// TORVABS: the entry of Torva.exe and the runtime's shared procedures.
#include "runtime/win32/torvabs.h"

#include "common/fatal_report.h"
#include "common/number.h"
#include "common/run_error.h"
#include "definition/definition_reader.h"
#include "menuview/win32/icon_file.h"
#include "platform/win32/append_file.h"
#include "platform/win32/file_system.h"
#include "platform/win32/ini_file.h"
#include "platform/win32/message_box.h"
#include "platform/win32/module_path.h"
#include "platform/win32/processes.h"
#include "platform/win32/settings.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"
#include "runtime/command_line.h"
#include "runtime/program_entries.h"
#include "runtime/win32/activation_runtime.h"
#include "runtime/win32/settle.h"
#include "runtime/win32/single_instance.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/tray.h"

namespace torva::runtime::win32 {

void TorvaRuntime::ShowErrorReport(int runErrorNumber, HWND owner) const {
    // The start-up's background start comes before anything is shown.
    if (backgroundStarts) backgroundStarts->FinishBackgroundStart();
    torva::win32::ShowErrorBox(owner, ComposeFatalText(error, runErrorNumber), "TORVA");
}

HICON TorvaRuntime::KeyMark(int button) {
    if (button < 1 || button > menuview::win32::kKeyMarkCount || options().noFunctionKeys) return nullptr;
    torva::win32::UniqueIcon& mark = keyMarks[static_cast<std::size_t>(button - 1)];
    if (!mark) {
        // From the program's own module: a page loads only the marks it shows.
        const menuview::win32::IconFile self(instance);
        mark = self.Extract(menuview::win32::KeyMarkIndex(button), false);
    }
    return mark.get();
}

void TorvaRuntime::ReportLaunchFailure(int16_t code, const std::string& message, const std::string& detail) {
    error.SetRule(code, message, detail);
    ShowErrorReport(0, menuWindow);
}

void TorvaRuntime::ReportFatal(int runErrorNumber) noexcept {
    try {
        ShowErrorReport(runErrorNumber, nullptr);
    } catch (...) {
        // Not even the box could be built: ending is all that is left.
    }
    // The tray entry must not outlive the process.
    if (menuWindow && options().trayIcon) ui::win32::RemoveTrayIcon(menuWindow);
    ExitProcess(1);
}

namespace {

void PumpSevenTimes() {
    // End programs: seven rounds of pending messages 100 ms apart between two checks.
    for (int i = 0; i < 7; ++i) {
        (void)ui::win32::PumpPending();
        Sleep(100);
    }
}

void RunStartPrograms(TorvaRuntime& rt) {
    ErrorLocation here(rt.error, 700);
    EntryRunnerHooks hooks;
    hooks.reportFailure = [&rt](int16_t code, const std::string& message, const std::string& detail) {
        rt.error.SetRule(code, message, detail);
        rt.ShowErrorReport(0, nullptr);
    };
    hooks.betweenChecks = [] { Sleep(1000); };
    hooks.settle = WaitUntilStarted;
    hooks.error = &rt.error;
    JournalEntryStarts(rt, hooks, "startProgram");
    RunProgramEntries(EntryKind::Start, rt.definition->startPrograms, rt.programFolder, *rt.os.processes,
                      hooks);
}

// The whole command line after the program name, as one text without blanks around it.
std::string ArgumentText() {
    std::string text = torva::win32::CommandLineAfterProgram();
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void LoadTrayIcons(TorvaRuntime& rt) {
    if (!rt.options().trayIcon) return;
    // The program's own module is mapped already: its icons come from there, not from its file.
    const menuview::win32::IconFile self(rt.instance);
    rt.trayIcons[kTrayIconShown] = self.Extract(1, true);
    rt.trayIcons[kTrayIconHidden] = self.Extract(15, true);
}

int Run(TorvaRuntime& rt, HINSTANCE instance) {
    rt.instance = instance;
    rt.os.files = std::make_unique<torva::win32::Win32FileSystem>();
    auto processes =
        std::make_unique<BackgroundStartProcesses>(std::make_unique<torva::win32::Win32Processes>(
            torva::win32::WindowSearchLocations{&rt.error, 910, 911, 920, 921}));
    rt.backgroundStarts = processes.get();
    rt.os.processes = std::move(processes);
    rt.os.settings = std::make_unique<torva::win32::Win32Settings>();
    rt.os.ini = std::make_unique<torva::win32::Win32IniFile>();
    rt.os.system = std::make_unique<torva::win32::Win32SystemInfo>();

    // 1. Command line, folders.
    ErrorLocation startUp(rt.error, 999);
    rt.executablePath = torva::win32::ModulePath();
    rt.programFolder = rt.os.system->ProgramFolder();
    rt.windowsFolder = rt.os.system->WindowsFolder();
    rt.systemFolder = rt.os.system->SystemFolder();
    const DefinitionLocation location = ResolveDefinitionPath(ArgumentText(), rt.programFolder);
    rt.definitionPath = location.path;
    rt.definitionFolder = location.folder;

    // 2. File associations through the document opener; its result does not matter and it shows
    // nothing. Its start is kept until the menu has shown its first page (see the end of Run), so
    // that it does not slow the menu's start, unless something else is started or shown before: it
    // is made ahead of that, as the first start of the menu still.
    rt.backgroundStarts->DeferStart(rt.programFolder + "\\Tvshell.exe <LinkTVX>");

    // 3..5. The definition.
    rt.definition->displayMode = 1;
    rt.definition->buttonsPerPage = definition::kButtonsNormal;
    if (!rt.os.files->Exists(rt.definitionPath)) {
        rt.error.SetRule(99, "メニュー定義ファイルが存在しません。", rt.definitionPath);
        rt.ShowErrorReport(0);
        return 0;
    }
    definition::ReaderContext context{
        definition::ReaderPolicy::Runtime(),
        {rt.definitionFolder, rt.programFolder, rt.windowsFolder, rt.systemFolder},
        *rt.os.files,
        rt.definitionPath};
    const definition::ReadResult read = definition::readDefinitionFile(*rt.definition, context);
    if (read.runErrorNumber != 0 || read.stopped) {
        rt.error = read.error;
        rt.backgroundStarts->FinishBackgroundStart();
        torva::win32::ShowErrorBox(nullptr, read.ReportText(), "TORVA");
        return 0;
    }
    rt.error.code = 999;

    // 6. Single instance.
    if (BringRunningInstanceForward(rt.error, *rt.os.settings, *rt.backgroundStarts)) return 0;

    // 7..9. Saved position and own icons.
    if (rt.options().positionSave) {
        rt.positionFiles = PositionFilesFor(rt.programFolder, torva::win32::EnvironmentValue("LOCALAPPDATA"));
        const SavedPosition saved = ReadSavedPosition(*rt.os.ini, rt.positionFiles);
        rt.savedLeft = saved.left;
        rt.savedTop = saved.top;
    }
    LoadTrayIcons(rt);

    // 10. Start programs, before any window exists.
    RunStartPrograms(rt);

    // 11, 12. The window.
    // 11, 12. The window, and button activation behind it (which drives the window, so it is made
    // after it and gone before it).
    MenuWindow window(rt);
    ActivationRuntime activation(rt, window);
    window.Attach(activation);
    if (!window.Create(instance)) throw RunError(kErrOutOfMemory, "menu window");
    if (rt.options().trayIcon) window.AddTrayIcon();
    window.Show();
    // The registration shows nothing and nobody waits for it: it is made once the menu has been on
    // the screen for a moment, so that the new process does not take the processor from the menu's
    // first moments (a start or an end before that makes it first all the same).
    window.SetTimer(kOpenerRegistrationTimerId, platform::kDeferredStartDelayMs, [&rt, &window] {
        window.KillTimer(kOpenerRegistrationTimerId);
        rt.backgroundStarts->StartDeferred();
    });
    return ui::win32::RunMessageLoop();
}

}  // namespace

void JournalEntryStarts(TorvaRuntime& rt, EntryRunnerHooks& hooks, const char* action,
                        std::optional<int> page) {
    hooks.started = [&rt, action, page](const definition::ProgramEntry& entry, const EntryLaunch& launch,
                                        std::optional<uint32_t> pid) {
        journal::StartRecord record;
        record.page = page;
        record.action = action;
        record.commandLine = launch.commandLine;
        record.workFolder = rt.os.files->CurrentFolder();
        record.waited = entry.waitMode != 0;
        record.started = pid && *pid != 0;
        if (record.started) record.processId = *pid;
        rt.journal.Started(std::move(record));
    };
    hooks.waitEnded = [&rt](uint32_t pid) {
        const auto code = rt.os.processes->ExitCodeIfEnded(pid);
        rt.journal.Ended(pid, code ? std::optional<std::int64_t>(*code) : std::nullopt);
    };
}

void RunEndPrograms(TorvaRuntime& rt) {
    ErrorLocation here(rt.error, 701);
    EntryRunnerHooks hooks;
    hooks.reportFailure = [&rt](int16_t code, const std::string& message, const std::string& detail) {
        rt.ReportLaunchFailure(code, message, detail);
    };
    hooks.betweenChecks = PumpSevenTimes;
    hooks.settle = WaitUntilStarted;
    hooks.error = &rt.error;
    JournalEntryStarts(rt, hooks, "endProgram");
    RunProgramEntries(EntryKind::End, rt.definition->endPrograms, rt.programFolder, *rt.os.processes, hooks);
}

}  // namespace torva::runtime::win32

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace torva::runtime::win32;
    // The program's one state, made here and passed to everything that needs it.
    TorvaRuntime runtime;
    const int code = torva::ui::win32::Guarded(runtime, 0, [&] { return Run(runtime, instance); });
    return code;
}
