#pragma once
// Reading a launch journal back: start lines paired with their end lines, counted per button, with
// the failures and the longest runs. A journal is written by many programs over a long time and
// may end in a torn line or hold lines some other tool wrote: such lines are counted, never fatal.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torva::journal {

struct JournalFilter {
    std::optional<std::int64_t> sinceMs;  // starts before this moment are left out (with their ends)
    std::optional<int> page;              // with button: only this menu button's starts
    std::optional<int> button;
};

// One start with what became of it.
struct JournalStart {
    std::string id;
    std::string time;
    std::string computer;
    std::string user;
    std::string label;  // "Torva 1:2 "Caption"" or "Tvscript C:\x.TVS line 3"
    std::string commandLine;
    bool started = true;
    bool waited = false;
    bool ended = false;
    std::optional<std::int64_t> exitCode;
    std::int64_t durationMs = 0;
};

struct ButtonTotals {
    std::string label;
    std::size_t starts = 0;
    std::size_t failedStarts = 0;
    std::size_t nonZeroExits = 0;
};

struct JournalSummary {
    std::size_t lines = 0;      // lines that were not blank
    std::size_t malformed = 0;  // not a journal line: not JSON, no event, id or time, an unknown event
    std::size_t starts = 0;
    std::size_t failedStarts = 0;
    std::size_t ends = 0;
    std::size_t nonZeroExits = 0;
    std::size_t notEnded = 0;  // waited starts without an end line: still running, or the menu ended first
    std::size_t unmatchedEnds = 0;       // end lines whose start is not in the journal (or was filtered out)
    std::vector<ButtonTotals> buttons;   // most starts first
    std::vector<JournalStart> failures;  // starts that failed and non-zero exit codes, in journal order
    std::vector<JournalStart> longestRuns;  // ended starts, longest first
};

inline constexpr std::size_t kLongestRunsShown = 10;

JournalSummary SummariseJournal(std::string_view text, const JournalFilter& filter);

// The summary as the command prints it.
std::string FormatJournalSummary(const JournalSummary& summary);

// "P:B" with page 1..99 and button 1..24; nothing otherwise.
std::optional<std::pair<int, int>> ParsePageButton(std::string_view text);

}  // namespace torva::journal
