#include "tests/win32/platform/test_support.h"

#include <windows.h>
//
#include <shellapi.h>

#include "platform/win32/append_file.h"
#include "platform/win32/file_system.h"
#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"

namespace torva::test {

using win32::Narrow;
using win32::Wide;

std::string UniqueName(const std::string& prefix) {
    static int counter = 0;
    return prefix + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(GetTickCount()) + "_" +
           std::to_string(++counter);
}

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    std::string base = Narrow(std::wstring_view(temp, n));
    if (!base.empty() && base.back() == '\\') base.pop_back();
    path_ = base + "\\" + UniqueName("torva_platform_");
    CreateDirectoryW(Wide(path_).c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    // SHFileOperation wants a double-NUL-terminated list.
    std::wstring from = Wide(path_);
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
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
