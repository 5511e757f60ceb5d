#include "journal/journal_summary.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "journal/journal_line.h"

namespace torva::journal {

namespace {

using nlohmann::json;

// A journal line is a flat object; anything nested deeper than this is not one, and refusing it
// before parsing keeps a hostile line from exhausting the stack.
constexpr int kMaxDepth = 4;

bool ShallowEnough(std::string_view line) {
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxDepth) return false;
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return true;
}

std::string Text(const json& j, const char* key) {
    const auto it = j.find(key);
    return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::optional<std::int64_t> Integer(const json& j, const char* key) {
    const auto it = j.find(key);
    if (it == j.end() || !it->is_number_integer()) return std::nullopt;
    return it->get<std::int64_t>();
}

std::optional<int> SmallInteger(const json& j, const char* key) {
    const auto value = Integer(j, key);
    if (!value || *value < -1000000 || *value > 1000000) return std::nullopt;
    return static_cast<int>(*value);
}

bool Flag(const json& j, const char* key, bool fallback) {
    const auto it = j.find(key);
    return it != j.end() && it->is_boolean() ? it->get<bool>() : fallback;
}

// Who started what: a menu button, a script, or one of the menu's start, end or page start programs
// (named by their action, and the page for page start programs). The per-button key leaves a
// script's line out, so every start of one script counts together.
std::string Label(const json& j, bool withScriptLine) {
    const std::string program = Text(j, "program");
    const auto page = SmallInteger(j, "page");
    const auto button = SmallInteger(j, "button");
    std::string label = program.empty() ? "?" : program;
    if (page && button) {
        label +=
            " " + std::to_string(*page) + ":" + std::to_string(*button) + " \"" + Text(j, "caption") + "\"";
    } else if (const std::string script = Text(j, "script"); !script.empty()) {
        label += " " + script;
        if (const auto line = SmallInteger(j, "scriptLine"); line && withScriptLine)
            label += " line " + std::to_string(*line);
    } else if (const std::string action = Text(j, "action"); !action.empty()) {
        label += " " + action;
        if (page) label += " page " + std::to_string(*page);
    }
    return label;
}

bool Passes(const json& j, std::int64_t timeMs, const JournalFilter& filter) {
    if (filter.sinceMs && timeMs < *filter.sinceMs) return false;
    if (filter.page && filter.button) {
        if (SmallInteger(j, "page") != filter.page || SmallInteger(j, "button") != filter.button)
            return false;
    }
    return true;
}

std::string Duration(std::int64_t ms) {
    char text[48];
    if (ms < 60000) {
        std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
    } else {
        const long long seconds = ms / 1000;
        if (seconds < 3600)
            std::snprintf(text, sizeof text, "%lld min %02lld s", seconds / 60, seconds % 60);
        else
            std::snprintf(text, sizeof text, "%lld h %02lld min", seconds / 3600, seconds / 60 % 60);
    }
    return text;
}

}  // namespace

std::optional<std::pair<int, int>> ParsePageButton(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    auto number = [](std::string_view s, int max) -> std::optional<int> {
        if (s.empty() || s.size() > 2) return std::nullopt;
        int v = 0;
        for (char c : s) {
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + (c - '0');
        }
        if (v < 1 || v > max) return std::nullopt;
        return v;
    };
    const auto page = number(text.substr(0, colon), 99);
    const auto button = number(text.substr(colon + 1), 24);
    if (!page || !button) return std::nullopt;
    return std::pair{*page, *button};
}

JournalSummary SummariseJournal(std::string_view text, const JournalFilter& filter) {
    JournalSummary summary;
    std::vector<JournalStart> starts;
    std::map<std::string, std::size_t> byId;  // computer + id -> index in starts
    std::map<std::string, std::size_t> groupIndex;
    std::vector<std::string> groupOf;   // per start, its group label
    std::set<std::string> filteredOut;  // computer + id of starts the filter left out

    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty()) continue;
        ++summary.lines;

        if (!ShallowEnough(line)) {
            ++summary.malformed;
            continue;
        }
        const json j = json::parse(line, nullptr, false);
        const std::string event = j.is_object() ? Text(j, "event") : std::string();
        const std::string id = j.is_object() ? Text(j, "id") : std::string();
        // A plain value rather than an optional: GCC's optimiser cannot follow the latter here.
        std::int64_t timeMs = 0;
        bool hasTime = false;
        if (j.is_object()) {
            if (const auto parsed = ParseUtc(Text(j, "time"))) {
                timeMs = *parsed;
                hasTime = true;
            }
        }
        if ((event != "start" && event != "end") || id.empty() || !hasTime) {
            ++summary.malformed;
            continue;
        }
        const std::string key = Text(j, "computer") + "\n" + id;
        if (event == "start") {
            if (!Passes(j, timeMs, filter)) {
                filteredOut.insert(key);
                continue;
            }
            JournalStart s;
            s.id = id;
            s.time = Text(j, "time");
            s.computer = Text(j, "computer");
            s.user = Text(j, "user");
            s.label = Label(j, true);
            s.commandLine = Text(j, "commandLine");
            s.started = Flag(j, "started", true);
            s.waited = Flag(j, "waited", false);
            byId[key] = starts.size();
            starts.push_back(std::move(s));
            groupOf.push_back(Label(j, false));
            continue;
        }
        const auto found = byId.find(key);
        if (found == byId.end()) {
            // An end without its start: a journal cut at the front, or a start line that could not be
            // written. Ends of starts the filter left out are left out with them.
            if (!filteredOut.contains(key) && Passes(j, timeMs, filter)) ++summary.unmatchedEnds;
            continue;
        }
        JournalStart& s = starts[found->second];
        if (s.ended) {
            ++summary.malformed;  // a second end for one start
            continue;
        }
        s.ended = true;
        s.exitCode = Integer(j, "exitCode");
        s.durationMs = std::max<std::int64_t>(0, Integer(j, "durationMs").value_or(0));
    }

    for (std::size_t i = 0; i < starts.size(); ++i) {
        const JournalStart& s = starts[i];
        auto [it, added] = groupIndex.try_emplace(groupOf[i], summary.buttons.size());
        if (added) summary.buttons.push_back(ButtonTotals{groupOf[i]});
        ButtonTotals& totals = summary.buttons[it->second];
        ++summary.starts;
        ++totals.starts;
        if (!s.started) {
            ++summary.failedStarts;
            ++totals.failedStarts;
            summary.failures.push_back(s);
            continue;
        }
        if (s.ended) {
            ++summary.ends;
            summary.longestRuns.push_back(s);
            if (s.exitCode && *s.exitCode != 0) {
                ++summary.nonZeroExits;
                ++totals.nonZeroExits;
                summary.failures.push_back(s);
            }
        } else if (s.waited) {
            ++summary.notEnded;
        }
    }
    std::stable_sort(summary.buttons.begin(), summary.buttons.end(),
                     [](const ButtonTotals& a, const ButtonTotals& b) { return a.starts > b.starts; });
    std::stable_sort(
        summary.longestRuns.begin(), summary.longestRuns.end(),
        [](const JournalStart& a, const JournalStart& b) { return a.durationMs > b.durationMs; });
    if (summary.longestRuns.size() > kLongestRunsShown) summary.longestRuns.resize(kLongestRunsShown);
    return summary;
}

std::string FormatJournalSummary(const JournalSummary& s) {
    std::string out = std::to_string(s.starts) + " starts (" + std::to_string(s.failedStarts) +
                      " did not start), " + std::to_string(s.ends) + " waited to their end (" +
                      std::to_string(s.nonZeroExits) + " with a non-zero exit code), " +
                      std::to_string(s.notEnded) + " without an end\n";
    if (s.malformed > 0 || s.unmatchedEnds > 0)
        out += std::to_string(s.malformed) + " malformed lines, " + std::to_string(s.unmatchedEnds) +
               " end lines without their start\n";
    if (!s.buttons.empty()) {
        out += "\nStarts per button:\n  starts  failed  exit!=0  button\n";
        for (const ButtonTotals& b : s.buttons) {
            char counts[64];
            std::snprintf(counts, sizeof counts, "  %6zu  %6zu  %7zu  ", b.starts, b.failedStarts,
                          b.nonZeroExits);
            out += counts + b.label + "\n";
        }
    }
    if (!s.failures.empty()) {
        out += "\nFailures:\n";
        for (const JournalStart& f : s.failures) {
            const std::string what =
                !f.started ? "did not start" : "exit code " + std::to_string(*f.exitCode);
            out += "  " + f.time + "  " + f.computer + "  " + f.user + "  " + f.label + "  " + what + ": " +
                   f.commandLine + "\n";
        }
    }
    if (!s.longestRuns.empty()) {
        out += "\nLongest runs:\n";
        for (const JournalStart& r : s.longestRuns)
            out += "  " + Duration(r.durationMs) + "  " + r.time + "  " + r.computer + "  " + r.user + "  " +
                   r.label + "\n";
    }
    return out;
}

}  // namespace torva::journal
