#pragma once
// The native Tvtool's view of the Linux file system as a Windows machine with one drive: "Z:\" is "/"
// (as under Wine). Other drives and network paths do not exist.

#include <optional>
#include <string>

#include "platform/files.h"

namespace torva::tools {

class PosixFileSystem : public platform::FileSystem {
  public:
    // "Z:\a\b" -> "/a/b"; nothing for paths off drive Z.
    static std::optional<std::string> ToNative(const std::string& path);
    // "/a/b" (or a path relative to the current folder) -> "Z:\a\b".
    static std::string FromNative(const std::string& path);

    std::optional<uint32_t> Attributes(const std::string& path) const override;
    bool ReadFile(const std::string& path, std::string& bytes) const override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    bool ReplaceFile(const std::string& source, const std::string& target) override;
    bool DeleteFile(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool SetCurrentFolder(const std::string& path) override;
    std::string CurrentFolder() const override;
};

}  // namespace torva::tools
