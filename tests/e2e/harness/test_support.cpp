#include "tests/e2e/harness/test_support.h"

#include <algorithm>
#include <atomic>

#include "common/cp932.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/process.h"

namespace torva::e2e {

using win32::Narrow;
using win32::Wide;

TempFolder::TempFolder(const std::string& prefix) {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    std::wstring base(temp, n);
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    static std::atomic<unsigned> counter{0};
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring candidate = base + L"\\" + Wide(prefix) + L"-" +
                                       std::to_wstring(GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(counter++);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = Narrow(candidate);
            return;
        }
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) RemoveTree(path_);
}

std::string TempFolder::File(const std::string& name) const {
    return path_ + "\\" + name;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    win32::UniqueFileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::optional<std::string> ReadBytes(const std::string& path) {
    win32::UniqueFileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

bool WriteAnsiLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return WriteBytes(path, Utf8ToCp932(text));
}

std::vector<probe::ProbeRecord> ReadProbeRecords(const std::string& logPath) {
    const auto text = ReadBytes(logPath);
    return text ? probe::ParseProbeLog(*text) : std::vector<probe::ProbeRecord>{};
}

std::vector<probe::ProbeRecord> RecordsWithArg(const std::vector<probe::ProbeRecord>& records,
                                               const std::string& arg) {
    std::vector<probe::ProbeRecord> out;
    for (const auto& r : records) {
        if (std::find(r.args.begin(), r.args.end(), arg) != r.args.end()) out.push_back(r);
    }
    return out;
}

void EndAfterRegistration(Process& program, const std::string& probeLog) {
    if (program.IsRunning()) {
        WaitUntil([&] { return !RecordsWithArg(ReadProbeRecords(probeLog), "<LinkTVX>").empty(); },
                  Millis(10000));
    }
    program.Kill();
}

std::string WindowsFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
    return Narrow(std::wstring(buffer, n));
}

std::string SystemFolder() {
    wchar_t buffer[MAX_PATH];
    const UINT n = GetSystemDirectoryW(buffer, MAX_PATH);
    return Narrow(std::wstring(buffer, n));
}

bool CopyFileTo(const std::string& from, const std::string& to) {
    return CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE) != FALSE;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveTree(const std::string& path) {
    const std::wstring folder = Wide(path);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring full = folder + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(Narrow(full));
            } else {
                SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(full.c_str());
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& path, const std::string& name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, Wide(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return std::nullopt;
    win32::UniqueRegKey key(raw);
    const std::wstring valueName = Wide(name);
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.resize(wcsnlen(value.c_str(), value.size()));
    return Narrow(value);
}

bool WriteRegistryString(HKEY root, const std::string& path, const std::string& name,
                         const std::string& value) {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(root, Wide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS)
        return false;
    win32::UniqueRegKey key(raw);
    const std::wstring data = Wide(value);
    return RegSetValueExW(key.get(), Wide(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegistryKeyExists(HKEY root, const std::string& path) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(root, Wide(path).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS) return false;
    RegCloseKey(raw);
    return true;
}

bool DeleteRegistryTree(HKEY root, const std::string& path) {
    RegDeleteTreeW(root, Wide(path).c_str());
    RegDeleteKeyW(root, Wide(path).c_str());
    return !RegistryKeyExists(root, path);
}

ScopedRegistryCleanup::ScopedRegistryCleanup(HKEY root, std::string path)
    : root_(root), path_(std::move(path)) {
    DeleteRegistryTree(root_, path_);
}

ScopedRegistryCleanup::~ScopedRegistryCleanup() {
    DeleteRegistryTree(root_, path_);
}

}  // namespace torva::e2e
