// The native Tvtool, for tests and for administrators' Linux machines: the Linux root is drive Z.
#include <filesystem>
#include <iostream>

#include "tools/native/posix_file_system.h"
#include "tools/tool_commands.h"

int main(int argc, char** argv) {
    torva::tools::PosixFileSystem files;
    std::error_code error;
    const std::filesystem::path self = std::filesystem::canonical("/proc/self/exe", error);
    torva::tools::ToolEnvironment environment{
        files,
        error ? files.CurrentFolder() : torva::tools::PosixFileSystem::FromNative(self.parent_path()),
        {},
        {},
        [](const std::string& p) {
            // Windows-style paths pass; others are Linux paths.
            if (torva::tools::PosixFileSystem::ToNative(p)) return p;
            return torva::tools::PosixFileSystem::FromNative(p);
        },
        std::cout,
        std::cerr};
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return torva::tools::RunTool(args, environment);
    } catch (const std::exception& e) {
        std::cerr << "Tvtool: " << e.what() << "\n";
        return torva::tools::kExitUsage;
    }
}
