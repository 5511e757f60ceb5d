#pragma once
// What the probe was asked to do, read from its arguments (UTF-8, program name excluded).
//
//   --title TEXT     show a visible top-level window with that caption
//   --hidden         create the window but leave it invisible
//   --exit N         the exit code (default 0)
//   --sleep MS       live that long, then end with the exit code (with or without a window)
//   --exit-on-close  closing the window ends the probe at once, even before --sleep has run out
//   --log FILE       the log file (default: the TORVA_PROBE_LOG environment variable)
//   --env NAME       also record this environment variable
//
// The environment variable TORVA_PROBE_OPTIONS may hold more options (split like a command line);
// they are read before the arguments, which therefore win. Tests use it when the probe is started
// by someone else, e.g. as the program associated with a document type ("...\TvProbe.exe" "%1").
//
// Anything else (a document path given by a file association, for one) is only recorded. An
// option missing its value is recorded and ignored. The probe has a window unless it was given
// only --exit and/or --sleep; with no option at all it shows a window titled "TvProbe" and ends
// with 0 when that is closed.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace torva::probe {

struct ProbeOptions {
    std::optional<std::string> title;
    bool hidden = false;
    uint32_t exitCode = 0;
    std::optional<uint32_t> sleepMs;
    bool exitOnClose = false;
    std::string logFile;
    std::vector<std::string> envNames;
    bool exitGiven = false;

    bool HasWindow() const { return title || hidden || exitOnClose || (!exitGiven && !sleepMs); }
    // The caption shown: the given title, else "TvProbe".
    std::string Caption() const { return title ? *title : std::string("TvProbe"); }
    // Closing the window ends the process unless a sleep keeps it alive (and --exit-on-close was
    // not given).
    bool CloseEnds() const { return exitOnClose || !sleepMs; }
};

inline std::optional<uint32_t> ParseProbeNumber(const std::string& text) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFull) return std::nullopt;
    return static_cast<uint32_t>(value);
}

inline ProbeOptions ParseProbeOptions(const std::vector<std::string>& args) {
    ProbeOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--hidden") {
            options.hidden = true;
        } else if (a == "--exit-on-close") {
            options.exitOnClose = true;
        } else if (a == "--title" && hasValue) {
            options.title = args[++i];
        } else if (a == "--log" && hasValue) {
            options.logFile = args[++i];
        } else if (a == "--env" && hasValue) {
            options.envNames.push_back(args[++i]);
        } else if (a == "--exit" && hasValue) {
            if (const auto n = ParseProbeNumber(args[i + 1])) {
                options.exitCode = *n;
                options.exitGiven = true;
                ++i;
            }
        } else if (a == "--sleep" && hasValue) {
            if (const auto n = ParseProbeNumber(args[i + 1])) {
                options.sleepMs = *n;
                ++i;
            }
        }
    }
    return options;
}

}  // namespace torva::probe
