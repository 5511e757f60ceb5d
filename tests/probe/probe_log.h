#pragma once
// The record TvProbe appends to its log, and a parser for tests.
//
// The log is UTF-8. Each start of the probe appends one record, written with a single append so
// that probes started together never interleave:
//
//   [TvProbe]
//   pid=1234
//   commandLine="C:\bin\TvProbe.exe" --exit 9 "a b"     (raw GetCommandLineW text)
//   arg=--exit                                          (one line per argument after the program
//   arg=9                                                name, split as CommandLineToArgvW splits)
//   arg=a b
//   workFolder=C:\work                                  (GetCurrentDirectoryW)
//   env.TORVA_X=value                                   (every variable whose name starts with
//                                                        "TORVA", and those named by --env; a
//                                                        named variable that is unset is absent)
//   window=65816                                        (handle of the probe's window, 0 if none)
//   show=1                                              (the show command the probe was started
//                                                        with: 1 = SW_SHOWNORMAL, 0 = SW_HIDE...)
//   [end]
//
// Values escape only '%', CR and LF, as %25, %0D and %0A, so every value stays on its line and
// Windows paths stay readable. A record without its "[end]" line was cut short and is ignored.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_escape.h"

namespace torva::probe {

inline constexpr std::string_view kRecordStart = "[TvProbe]";
inline constexpr std::string_view kRecordEnd = "[end]";

struct ProbeRecord {
    uint32_t pid = 0;
    std::string commandLine;
    std::vector<std::string> args;
    std::string workFolder;
    std::map<std::string, std::string> env;
    std::uintptr_t window = 0;
    int show = -1;  // -1 when the record has no show line
};

inline std::string FormatProbeRecord(const ProbeRecord& record) {
    std::string out;
    out += kRecordStart;
    out += "\r\npid=" + std::to_string(record.pid);
    out += "\r\ncommandLine=" + EscapeLineValue(record.commandLine);
    for (const auto& arg : record.args) out += "\r\narg=" + EscapeLineValue(arg);
    out += "\r\nworkFolder=" + EscapeLineValue(record.workFolder);
    for (const auto& [name, value] : record.env) out += "\r\nenv." + name + "=" + EscapeLineValue(value);
    out += "\r\nwindow=" + std::to_string(record.window);
    out += "\r\nshow=" + std::to_string(record.show);
    out += "\r\n";
    out += kRecordEnd;
    out += "\r\n";
    return out;
}

// All complete records of a log text, oldest first.
inline std::vector<ProbeRecord> ParseProbeLog(std::string_view text) {
    std::vector<ProbeRecord> records;
    ProbeRecord current;
    bool inRecord = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos) eol = text.size();
        std::string_view line = text.substr(pos, eol - pos);
        pos = eol + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line == kRecordStart) {
            current = ProbeRecord{};
            inRecord = true;
            continue;
        }
        if (!inRecord) continue;
        if (line == kRecordEnd) {
            records.push_back(std::move(current));
            current = ProbeRecord{};
            inRecord = false;
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq);
        const std::string value = UnescapeLineValue(line.substr(eq + 1));
        if (key == "pid") {
            current.pid = static_cast<uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (key == "commandLine") {
            current.commandLine = value;
        } else if (key == "arg") {
            current.args.push_back(value);
        } else if (key == "workFolder") {
            current.workFolder = value;
        } else if (key.substr(0, 4) == "env.") {
            current.env[std::string(key.substr(4))] = value;
        } else if (key == "show") {
            current.show = static_cast<int>(std::strtol(value.c_str(), nullptr, 10));
        } else if (key == "window") {
            current.window = static_cast<std::uintptr_t>(std::strtoull(value.c_str(), nullptr, 10));
        }
    }
    return records;
}

}  // namespace torva::probe
