// Tvtool.exe: the console companion for administrators.
#include <windows.h>

#include <iostream>
#include <sstream>

#include "platform/win32/file_system.h"
#include "platform/win32/system_info.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tools/tool_commands.h"
#include "tools/win32/win32_page_rendering.h"

namespace {

std::string FullPath(const std::string& path) {
    const std::wstring wide = torva::win32::Wide(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::wstring full(needed, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed) return path;
    full.resize(length);
    return torva::win32::Narrow(full);
}

// A pipe or a device opens but is no disk file; opening asks for attributes only, reading nothing.
torva::tools::SourceFacts Inspect(const std::string& path) {
    using Kind = torva::tools::SourceFacts::Kind;
    torva::tools::SourceFacts facts;
    const std::wstring wide = torva::win32::Wide(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    const bool listed = GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data) != FALSE;
    if (listed && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        facts.kind = Kind::Folder;
        return facts;
    }
    torva::win32::UniqueFileHandle file(CreateFileW(
        wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) {
        // A named pipe whose instances are all taken is still no file.
        if (GetLastError() == ERROR_PIPE_BUSY) {
            facts.kind = Kind::NotRegular;
            return facts;
        }
        // Locked against opening but listed: the reading will tell what is wrong.
        if (listed) {
            facts.kind = Kind::Regular;
            facts.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
        return facts;
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        facts.kind = Kind::NotRegular;
        return facts;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info)) {
        facts.kind = Kind::NotRegular;
        return facts;
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        facts.kind = Kind::Folder;
        return facts;
    }
    facts.kind = Kind::Regular;
    facts.size = (static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return facts;
}

// Text goes to a console as UTF-16 and to a pipe or file as UTF-8 bytes.
void Emit(DWORD which, const std::string& text) {
    if (text.empty()) return;
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        const std::wstring wide = torva::win32::Wide(text);
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!WriteFile(handle, text.data() + done, static_cast<DWORD>(text.size() - done), &written,
                       nullptr) ||
            written == 0)
            return;
        done += written;
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    torva::win32::Win32FileSystem files;
    torva::win32::Win32SystemInfo system;
    std::ostringstream out;
    std::ostringstream err;
    torva::tools::Win32PageRendering rendering(system.IsTallCaptionPlatform());
    torva::tools::ToolEnvironment environment{files,
                                              system.ProgramFolder(),
                                              system.WindowsFolder(),
                                              system.SystemFolder(),
                                              FullPath,
                                              out,
                                              err,
                                              &rendering,
                                              Inspect};
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(torva::win32::Narrow(argv[i]));
    int code = torva::tools::kExitUsage;
    try {
        code = torva::tools::RunTool(args, environment);
    } catch (const std::exception& e) {
        err << "Tvtool: " << e.what() << "\n";
    }
    Emit(STD_OUTPUT_HANDLE, out.str());
    Emit(STD_ERROR_HANDLE, err.str());
    return code;
}
