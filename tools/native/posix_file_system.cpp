#include "tools/native/posix_file_system.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace torva::tools {

std::optional<std::string> PosixFileSystem::ToNative(const std::string& path) {
    if (path.size() < 3 || (path[0] != 'Z' && path[0] != 'z') || path[1] != ':' || path[2] != '\\')
        return std::nullopt;
    std::string native = "/" + path.substr(3);
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
    return native;
}

std::string PosixFileSystem::FromNative(const std::string& path) {
    std::error_code error;
    std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
    if (error) absolute = path;
    std::string windows = "Z:" + absolute;
    for (char& c : windows) {
        if (c == '/') c = '\\';
    }
    while (windows.size() > 3 && windows.back() == '\\') windows.pop_back();
    return windows;
}

std::optional<uint32_t> PosixFileSystem::Attributes(const std::string& path) const {
    const auto native = ToNative(path);
    struct stat info {};
    if (!native || stat(native->c_str(), &info) != 0) return std::nullopt;
    return S_ISDIR(info.st_mode) ? kAttributeDirectory : 0x20u;
}

bool PosixFileSystem::ReadFile(const std::string& path, std::string& bytes) const {
    const auto native = ToNative(path);
    if (!native) return false;
    std::ifstream in(*native, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool PosixFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    const auto native = ToNative(path);
    if (!native) return false;
    std::ofstream out(*native, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool PosixFileSystem::ReplaceFile(const std::string& source, const std::string& target) {
    const auto from = ToNative(source);
    const auto to = ToNative(target);
    return from && to && std::rename(from->c_str(), to->c_str()) == 0;
}

bool PosixFileSystem::DeleteFile(const std::string& path) {
    const auto native = ToNative(path);
    return native && std::remove(native->c_str()) == 0;
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
    const auto native = ToNative(path);
    std::error_code error;
    return native && std::filesystem::create_directory(*native, error);
}

bool PosixFileSystem::SetCurrentFolder(const std::string& path) {
    const auto native = ToNative(path);
    return native && chdir(native->c_str()) == 0;
}

std::string PosixFileSystem::CurrentFolder() const {
    std::error_code error;
    return FromNative(std::filesystem::current_path(error).string());
}

}  // namespace torva::tools
