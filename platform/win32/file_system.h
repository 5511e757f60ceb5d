#pragma once
// Files and folders through the W functions.

#include "platform/files.h"

namespace torva::win32 {

class Win32FileSystem : public platform::FileSystem {
  public:
    std::optional<uint32_t> Attributes(const std::string& path) const override;
    [[nodiscard]] bool ReadFile(const std::string& path, std::string& bytes) const override;
    // Writes the whole file (created or truncated); false when any byte could not be written.
    [[nodiscard]] bool WriteFile(const std::string& path, const std::string& bytes) override;
    // MoveFileExW with replace-existing and write-through: on the same volume the target is either
    // the old or the new file, never a half-written one.
    [[nodiscard]] bool ReplaceFile(const std::string& source, const std::string& target) override;
    [[nodiscard]] bool DeleteFile(const std::string& path) override;
    [[nodiscard]] bool CreateFolder(const std::string& path) override;
    [[nodiscard]] bool SetCurrentFolder(const std::string& path) override;
    std::string CurrentFolder() const override;
};

}  // namespace torva::win32
