#pragma once
// What a Tvtool command may use: the files, the folders of the machine and the two output streams.
// The Windows program and the native build fill it with their own file systems; tests with fakes.

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "platform/files.h"
#include "tools/page_rendering.h"

namespace torva::tools {

// What a path names, as far as reading it as a definition goes.
struct SourceFacts {
    enum class Kind { Missing, Folder, NotRegular, Regular };
    Kind kind = Kind::Missing;
    std::uint64_t size = 0;  // bytes, for a regular file
};

struct ToolEnvironment {
    platform::FileSystem& files;
    std::string programFolder;  // Tvtool's own folder: the default program folder of the reader
    std::string windowsFolder;
    std::string systemFolder;
    // A path as given on the command line -> a full Windows path.
    std::function<std::string(const std::string&)> fullPath;
    std::ostream& out;
    std::ostream& err;
    // Off-screen page drawing; null where the build has none.
    PageRendering* rendering = nullptr;
    // What a path names (a pipe or a device is not a regular file). When not given, the file system's
    // attributes tell missing files and folders apart and everything else counts as a regular file.
    std::function<SourceFacts(const std::string&)> inspect = {};
};

// A definition larger than this is refused before it is read: no menu comes near it, and reading a
// stray huge file would only exhaust memory.
inline constexpr std::uint64_t kMaxSourceBytes = 16ull * 1024 * 1024;

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRuleFailed = 1;
inline constexpr int kExitUsage = 2;  // also input/output failures

}  // namespace torva::tools
