#pragma once
// Files and folders as the programs see them. Paths are UTF-8; contents are raw bytes.

#include <cstdint>
#include <optional>
#include <string>

// The Windows headers rename DeleteFile and ReplaceFile to their A/W functions; the members must keep one
// name in every file that sees this class, so the macros end here (Win32 code calls the W functions
// by name). Implementations in files that include the Windows headers afterwards #undef them again.
#ifdef DeleteFile
#undef DeleteFile
#endif
#ifdef ReplaceFile
#undef ReplaceFile
#endif

namespace torva::platform {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Attributes of a path (the Windows attribute bits), nothing when the path does not exist.
    virtual std::optional<uint32_t> Attributes(const std::string& path) const = 0;
    bool Exists(const std::string& path) const { return Attributes(path).has_value(); }
    bool IsFolder(const std::string& path) const {
        const auto a = Attributes(path);
        return a && (*a & kAttributeDirectory) != 0;
    }
    // Whole-file read and write; false when the file cannot be read or written.
    [[nodiscard]] virtual bool ReadFile(const std::string& path, std::string& bytes) const = 0;
    [[nodiscard]] virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
    // Replaces target by source in one step (source is removed); used for safe saves.
    [[nodiscard]] virtual bool ReplaceFile(const std::string& source, const std::string& target) = 0;
    [[nodiscard]] virtual bool DeleteFile(const std::string& path) = 0;
    // A file that includes the Windows headers after this header sees the two calls above renamed by its
    // macros; these forward them, so callers work whatever the include order.
    [[nodiscard]] bool ReplaceFileW(const std::string& source, const std::string& target) {
        return ReplaceFile(source, target);
    }
    [[nodiscard]] bool DeleteFileW(const std::string& path) { return DeleteFile(path); }
    // Makes one folder whose parent exists; false when it cannot be made.
    [[nodiscard]] virtual bool CreateFolder(const std::string& path) = 0;
    [[nodiscard]] virtual bool SetCurrentFolder(const std::string& path) = 0;
    virtual std::string CurrentFolder() const = 0;

    static constexpr uint32_t kAttributeDirectory = 0x10;
};

}  // namespace torva::platform
