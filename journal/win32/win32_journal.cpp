#include "journal/win32/win32_journal.h"

#include <windows.h>

#include "platform/win32/system_info.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace torva::win32 {

namespace {

constexpr int kAttempts = 3;
constexpr DWORD kRetryPauseMs = 5;
// Writers of one session take turns through this mutex. Windows itself writes each append-only
// write whole at the end of the file, but not every system that runs these programs does: Wine
// takes the file's size and then writes there, so two writers can land on the same place and one
// line is lost. Taking turns costs nothing worth measuring; a writer that does not get its turn
// within the wait below writes anyway, so a stuck writer never holds up a start.
constexpr const wchar_t* kTurnMutexName = L"Local\\TorvaLaunchJournalAppend";
constexpr DWORD kTurnWaitMs = 100;

class Turn {
  public:
    Turn() : mutex_(CreateMutexW(nullptr, FALSE, kTurnMutexName)) {
        if (!mutex_) return;
        const DWORD r = WaitForSingleObject(mutex_.get(), kTurnWaitMs);
        // An abandoned mutex is owned all the same: its last owner died between two writes.
        owned_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
    }
    ~Turn() {
        if (owned_) ReleaseMutex(mutex_.get());
    }
    Turn(const Turn&) = delete;
    Turn& operator=(const Turn&) = delete;

  private:
    UniqueKernelHandle mutex_;
    bool owned_ = false;
};
// 100-nanosecond intervals between 1601-01-01 and 1970-01-01.
constexpr ULONGLONG kUnixEpochInFileTime = 116444736000000000ULL;

}  // namespace

bool AppendJournalLine(const std::string& path, const std::string& line) {
    if (path.empty() || line.empty()) return false;
    const std::wstring widePath = Wide(path);
    const Turn turn;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        UniqueFileHandle file(CreateFileW(widePath.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD written = 0;
            return ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                   written == line.size();
        }
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return false;
        if (attempt + 1 < kAttempts) Sleep(kRetryPauseMs);
    }
    return false;
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
