#pragma once
// Start programs (when the menu starts), end programs (when it ends) and page start programs (when
// a page is drawn): how each entry is started and how the menu waits for it.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/menu_definition.h"

namespace torva::platform {
class Processes;
}

namespace torva::runtime {

enum class EntryKind { Start, End, PageStart };
enum class LaunchForm { Program, Script, Document };

struct EntryLaunch {
    LaunchForm form = LaunchForm::Program;
    std::string commandLine;
    int16_t failureCode = 0;  // the report's code when the start fails
};

// The command line of one entry by the extension rule: start and page start entries start "COM",
// "EXE", "BAT", "PIF" directly, end entries all but "COM"; "TVS" goes to the script runner with a
// null window handle; everything else to the document opener.
EntryLaunch BuildEntryLaunch(EntryKind kind, const definition::ProgramEntry& entry,
                             std::string_view programFolder);

inline constexpr const char* kLaunchFailedMessage = "コマンドの起動に失敗しました。";

// What the runner needs from the window system besides starting processes.
struct EntryRunnerHooks {
    // Shows the error report for a failed start (code and message set by the runner); the runner
    // then goes on with the next entry.
    std::function<void(int16_t code, const std::string& message, const std::string& detail)> reportFailure;
    // Called between two checks of a waited-for program: sleeps, or pumps messages for a while.
    std::function<void()> betweenChecks;
    // Called once for a waited-for program before the first check, so that a program still starting
    // up has shown its window before the menu looks for it (otherwise it would not be waited for).
    std::function<void(uint32_t processId)> settle;
    // The program's error state, where the extension rule notes its location number; none in tests
    // that do not look.
    ErrorState* error = nullptr;
    // Told of every start as soon as it has happened (a process id) or failed (nothing), before any
    // report, and of the end of each wait; the launch journal listens here.
    std::function<void(const definition::ProgramEntry& entry, const EntryLaunch& launch,
                       std::optional<uint32_t> processId)>
        started;
    std::function<void(uint32_t processId)> waitEnded;
};

// Runs entries 1 and 2 in order (blank ones are skipped), waiting for those with the wait flag
// until their process owns no window (the "TORVA" title test of the process-window walk).
void RunProgramEntries(EntryKind kind,
                       const std::array<definition::ProgramEntry, definition::kEntryCount>& entries,
                       std::string_view programFolder, platform::Processes& processes,
                       const EntryRunnerHooks& hooks);

}  // namespace torva::runtime
