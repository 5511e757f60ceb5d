// The native Tvtool, for tests and for administrators' Linux machines: the Linux root is drive Z.
#include <filesystem>
#include <iostream>

#include "tools/native/posix_file_system.h"
#include "tools/tool_commands.h"

namespace {

// A FIFO or a device is no regular file; the size comes from the status, nothing is opened.
torva::tools::SourceFacts Inspect(const std::string& path) {
    using Kind = torva::tools::SourceFacts::Kind;
    torva::tools::SourceFacts facts;
    const auto native = torva::tools::PosixFileSystem::ToNative(path);
    if (!native) return facts;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(*native, error);
    if (error || !std::filesystem::exists(status)) return facts;
    if (std::filesystem::is_directory(status)) {
        facts.kind = Kind::Folder;
    } else if (!std::filesystem::is_regular_file(status)) {
        facts.kind = Kind::NotRegular;
    } else {
        facts.kind = Kind::Regular;
        facts.size = std::filesystem::file_size(*native, error);
        if (error) facts.size = 0;
    }
    return facts;
}

}  // namespace

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
        std::cerr,
        nullptr,
        Inspect};
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        return torva::tools::RunTool(args, environment);
    } catch (const std::exception& e) {
        std::cerr << "Tvtool: " << e.what() << "\n";
        return torva::tools::kExitUsage;
    }
}
