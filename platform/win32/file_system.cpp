#include "platform/win32/file_system.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"

// <windows.h> came after the class declaration and brought the A/W renaming macros back.
#undef DeleteFile
#undef ReplaceFile

namespace torva::win32 {

std::optional<uint32_t> Win32FileSystem::Attributes(const std::string& path) const {
    if (path.empty()) return std::nullopt;
    const DWORD a = GetFileAttributesW(Wide(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return std::nullopt;
    return static_cast<uint32_t>(a);
}

bool Win32FileSystem::ReadFile(const std::string& path, std::string& bytes) const {
    UniqueFileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return false;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > bytes.max_size())
        return false;
    std::string data;
    data.reserve(static_cast<std::size_t>(size.QuadPart));
    // Read to the end rather than trusting the size: a file that grows while read stays whole.
    char buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return false;
        if (got == 0) break;
        data.append(buffer, got);
    }
    bytes = std::move(data);
    return true;
}

bool Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    UniqueFileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return FlushFileBuffers(file.get()) != FALSE;
}

bool Win32FileSystem::ReplaceFile(const std::string& source, const std::string& target) {
    return MoveFileExW(Wide(source).c_str(), Wide(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
    return ::DeleteFileW(Wide(path).c_str()) != FALSE;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
    return !path.empty() && CreateDirectoryW(Wide(path).c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::SetCurrentFolder(const std::string& path) {
    return !path.empty() && SetCurrentDirectoryW(Wide(path).c_str()) != FALSE;
}

std::string Win32FileSystem::CurrentFolder() const {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
        if (n == 0) return {};
        if (n < folder.size()) {
            folder.resize(n);
            return Narrow(folder);
        }
        folder.resize(n);
    }
}

}  // namespace torva::win32
