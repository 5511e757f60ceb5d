#include "platform/win32/append_file.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

namespace torva::win32 {

namespace {

// Writers on this machine take turns through this mutex. Windows itself writes each append-only
// write whole at the end of the file, but not every system that runs these programs does: Wine
// takes the file's size and then writes there, so two writers can land on the same place and one
// text is lost. Taking turns costs nothing worth measuring; a writer that does not get its turn
// within the wait below writes anyway, so a stuck writer never holds up the others for long.
constexpr const wchar_t* kTurnMutexName = L"Local\\TorvaFileAppend";
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

}  // namespace

bool AppendToFile(const std::string& path, const std::string& text, AppendRetry retry) {
    if (path.empty()) return false;
    const std::wstring widePath = Wide(path);
    const Turn turn;
    for (int attempt = 0; attempt < retry.attempts; ++attempt) {
        UniqueFileHandle file(CreateFileW(widePath.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file) {
            DWORD written = 0;
            return ::WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                   written == text.size();
        }
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) return false;
        if (attempt + 1 < retry.attempts) Sleep(retry.pauseMs);
    }
    return false;
}

std::string EnvironmentValue(const std::string& name) {
    const std::wstring wideName = Wide(name);
    std::wstring value(256, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const DWORD n =
            GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (n == 0) return {};
        if (n < value.size()) {
            value.resize(n);
            return Narrow(value);
        }
        value.resize(n);
    }
    return {};
}

}  // namespace torva::win32
