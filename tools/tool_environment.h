#pragma once
// What a Tvtool command may use: the files, the folders of the machine and the two output streams.
// The Windows program and the native build fill it with their own file systems; tests with fakes.

#include <functional>
#include <ostream>
#include <string>

#include "platform/files.h"
#include "tools/page_rendering.h"

namespace torva::tools {

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
};

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRuleFailed = 1;
inline constexpr int kExitUsage = 2;  // also input/output failures

}  // namespace torva::tools
