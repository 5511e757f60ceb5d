#include "tests/win32/platform/test_support.h"

#include <windows.h>

#include "platform/win32/append_file.h"
#include "platform/win32/file_system.h"
#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"

namespace torva::test {

using win32::Wide;

std::string UniqueName(const std::string& prefix) {
    static int counter = 0;
    return prefix + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount()) + "_" +
           std::to_string(++counter);
}

std::string ProbePath() {
    return win32::ModuleFolder() + "\\TvProbe.exe";
}
std::string QuotedProbe() {
    return "\"" + ProbePath() + "\"";
}

std::string ProbeCommand(const std::string& options) {
    std::string line = QuotedProbe();
    line += ' ';
    line += options;
    return line;
}

std::optional<probe::ProbeRecord> WaitForProbeRecord(const std::string& logFile, uint32_t processId) {
    win32::Win32FileSystem files;
    for (int attempt = 0; attempt < 1200; ++attempt) {
        std::string text;
        if (files.ReadFile(logFile, text)) {
            for (auto& record : probe::ParseProbeLog(text)) {
                if (record.pid == processId) return record;
            }
        }
        Sleep(50);
    }
    return std::nullopt;
}

ScopedEnvironment::ScopedEnvironment(std::string name, const std::string& value) : name_(std::move(name)) {
    if (GetEnvironmentVariableW(Wide(name_).c_str(), nullptr, 0) > 0) old_ = win32::EnvironmentValue(name_);
    SetEnvironmentVariableW(Wide(name_).c_str(), Wide(value).c_str());
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironmentVariableW(Wide(name_).c_str(), old_ ? Wide(*old_).c_str() : nullptr);
}

}  // namespace torva::test
