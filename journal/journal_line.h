#pragma once
// One line of the launch journal: a JSON object on a line of its own. A "start" line is written the
// moment a program is started (or failed to start); a waited program adds an "end" line with the
// same id when the wait for it ends. Administrators read the file with their own tools too, so the
// keys are stable: new keys may come, none is renamed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torva::journal {

// Who wrote a line: the machine, the signed-in user and the program ("Torva" or "Tvscript").
struct JournalOrigin {
    std::string computer;
    std::string user;
    std::string program;
};

// What was started. Page and button are the menu's (1-based); a script's start names the script and
// its line instead.
struct StartRecord {
    std::string id;
    std::int64_t timeMs = 0;  // UTC, milliseconds since 1970
    std::optional<int> page;
    std::optional<int> button;
    std::string caption;
    std::string
        action;  // "program", "script", "document", "screensaver"; a script's "wait", "nowait", "open"
    std::string commandLine;
    std::string workFolder;
    std::string script;  // the script file, for the script runner's starts
    std::optional<int> scriptLine;
    bool waited = false;  // an end line follows when the wait ends
    bool started = true;  // false: the start itself failed
    std::optional<std::uint32_t> processId;
};

struct EndRecord {
    std::string id;
    std::int64_t timeMs = 0;
    std::optional<int> page;
    std::optional<int> button;
    std::string caption;
    std::optional<std::int64_t> exitCode;  // nothing: the program had not ended when its wait did
    std::int64_t durationMs = 0;
};

// "2026-12-08T10:23:17.123Z".
std::string FormatUtc(std::int64_t ms);
// Accepts "YYYY-MM-DD", "YYYY-MM-DDTHH:MM", "...:SS" and "...:SS.fff", each with an optional "Z" (the
// time is UTC either way); nothing for anything else, including impossible dates.
std::optional<std::int64_t> ParseUtc(std::string_view text);

// The complete line, ending in a line feed. Text that is not valid UTF-8 is written with replacement
// characters rather than dropped, so a strange path never loses the line.
std::string StartLine(const JournalOrigin& origin, const StartRecord& record);
std::string EndLine(const JournalOrigin& origin, const EndRecord& record);

}  // namespace torva::journal
