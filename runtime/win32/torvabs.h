#pragma once
// TORVABS: the runtime's program-wide state and its shared procedures (start-up, the fatal-error
// report, start and end programs). One instance per process, made by the entry and passed on.

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "journal/launch_journal.h"
#include "journal/win32/win32_journal.h"
#include "menuview/win32/icon_images.h"
#include "platform/background_starts.h"
#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/win32/unique_handle.h"
#include "runtime/close_logic.h"
#include "runtime/position_store.h"
#include "runtime/program_entries.h"
#include "ui/win32/fatal_guard.h"

namespace torva::runtime::win32 {

using platform::BackgroundStartProcesses;

// The OS services the runtime uses, owned for the life of the process.
struct PlatformServices {
    std::unique_ptr<platform::FileSystem> files;
    std::unique_ptr<platform::Processes> processes;
    std::unique_ptr<platform::Settings> settings;
    std::unique_ptr<platform::IniFile> ini;
    std::unique_ptr<platform::SystemInfo> system;
};

inline constexpr int kTrayIconShown = 0;
inline constexpr int kTrayIconHidden = 1;

struct TorvaRuntime final : ui::win32::FatalReport {
    PlatformServices os;
    // os.processes itself: the start made in the background while the menu starts.
    BackgroundStartProcesses* backgroundStarts = nullptr;
    // The definition in use; large, so it lives on the heap for the whole run.
    std::unique_ptr<definition::MenuDefinition> definition = std::make_unique<definition::MenuDefinition>();
    std::string definitionPath;
    std::string definitionFolder;
    std::string programFolder;
    std::string windowsFolder;
    std::string systemFolder;
    std::string executablePath;  // Torva.exe itself: the source of its own icons
    ErrorState error;
    PositionFiles positionFiles;  // where the window's position is kept between runs
    int savedLeft = -1;           // twips, from the position store; -1 when absent
    int savedTop = -1;
    // Function-key marks: [0..11] F1..F12, [12..23] Shift+F1..F12, each loaded when a page first
    // shows it (none with [NOFNC]).
    std::array<torva::win32::UniqueIcon, menuview::win32::kKeyMarkCount> keyMarks;
    // Tray icons: shown-menu and hidden-menu (loaded with [TSKI] only).
    std::array<torva::win32::UniqueIcon, 2> trayIcons;
    CloseReason closeReason = CloseReason::User;
    HINSTANCE instance = nullptr;
    // The menu window once it exists: the owner of the reports, and the tray entry to remove.
    HWND menuWindow = nullptr;
    // Every start the menu performs goes here; it writes only while the policy names a file.
    torva::win32::Win32JournalEnvironment journalEnvironment;
    journal::LaunchJournal journal{journalEnvironment, "Torva"};

    const definition::DefinitionOptions& options() const { return definition->options; }
    // The function-key mark of button 1..24 from the program's own icons; null with [NOFNC].
    HICON KeyMark(int button);

    // The fatal-error report: below 500 the message and detail of the error state, otherwise the
    // generic lines; then "ErrorNo = code : number". Critical icon, title "TORVA".
    void ShowErrorReport(int runErrorNumber, HWND owner = nullptr) const;
    // A launch failure: sets the code and texts, shows the report, and the program goes on.
    void ReportLaunchFailure(int16_t code, const std::string& message, const std::string& detail);
    // An unexpected failure: the report, then the program ends.
    void ReportFatal(int runErrorNumber) noexcept override;
};

// Runs the end programs (error code 701), waiting for waited ones while pumping messages.
void RunEndPrograms(TorvaRuntime& rt);

// Hands the starts of start, end and page start programs to the launch journal, under the action
// name given (page: the page whose start programs they are).
void JournalEntryStarts(TorvaRuntime& rt, EntryRunnerHooks& hooks, const char* action,
                        std::optional<int> page = std::nullopt);

// Values of the instance record.
inline constexpr const char* kSettingsApp = "Torva";
inline constexpr const char* kSettingsSection = "Opt";
inline constexpr const char* kSettingsInstanceKey = "rgDCHK";

}  // namespace torva::runtime::win32
