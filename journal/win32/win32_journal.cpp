#include "journal/win32/win32_journal.h"

#include <windows.h>

#include "platform/win32/append_file.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"

namespace torva::win32 {

namespace {

// A start waits for its line: the journal gives up sooner than other logs do.
constexpr AppendRetry kJournalRetry{.attempts = 3, .pauseMs = 5};
// 100-nanosecond intervals between 1601-01-01 and 1970-01-01.
constexpr ULONGLONG kUnixEpochInFileTime = 116444736000000000ULL;

}  // namespace

bool AppendJournalLine(const std::string& path, const std::string& line) {
    return !line.empty() && AppendToFile(path, line, kJournalRetry);
}

std::string Win32JournalEnvironment::PolicyPath() {
    return journal::JournalPolicyPath(registry_);
}

bool Win32JournalEnvironment::AppendLine(const std::string& path, const std::string& line) {
    return AppendJournalLine(path, line);
}

std::string Win32JournalEnvironment::ComputerName() const {
    return LocalComputerName();
}

std::string Win32JournalEnvironment::UserName() const {
    wchar_t name[257] = {};  // UNLEN + 1
    DWORD size = 257;
    if (!GetUserNameW(name, &size) || size == 0) return {};
    return Narrow(std::wstring_view(name, size - 1));  // the size counts the ending NUL
}

std::int64_t Win32JournalEnvironment::UtcNowMs() const {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    return static_cast<std::int64_t>((ticks - kUnixEpochInFileTime) / 10000);
}

std::int64_t Win32JournalEnvironment::SteadyNowMs() const {
    return static_cast<std::int64_t>(GetTickCount64());
}

std::uint32_t Win32JournalEnvironment::ProcessId() const {
    return GetCurrentProcessId();
}

}  // namespace torva::win32
