#include "platform/win32/processes.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "platform/win32/window_walk.h"

namespace torva::win32 {

std::optional<uint32_t> Win32Processes::Start(const std::string& commandLine, const std::string& workFolder) {
    std::wstring line = Wide(commandLine);
    if (line.empty()) return std::nullopt;
    const std::wstring folder = Wide(workFolder);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    // CreateProcessW may write into the command line, hence the private copy.
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &si, &pi))
        return std::nullopt;
    UniqueKernelHandle thread(pi.hThread);
    Keep(pi.dwProcessId, UniqueKernelHandle(pi.hProcess));
    return static_cast<uint32_t>(pi.dwProcessId);
}

void Win32Processes::Keep(uint32_t processId, UniqueKernelHandle process) {
    // An id can come back once its process is gone: the newer process replaces the old entry.
    std::erase_if(started_, [&](const Started& s) { return s.processId == processId; });
    if (started_.size() >= kKeptHandles) {
        auto ended = std::find_if(started_.begin(), started_.end(), [](const Started& s) {
            return WaitForSingleObject(s.process.get(), 0) == WAIT_OBJECT_0;
        });
        if (ended != started_.end()) started_.erase(ended);
    }
    started_.push_back(Started{processId, std::move(process)});
}

std::optional<uint32_t> Win32Processes::WaitForExit(uint32_t processId) {
    UniqueKernelHandle process;
    auto kept = std::find_if(started_.begin(), started_.end(),
                             [&](const Started& s) { return s.processId == processId; });
    if (kept != started_.end()) {
        process = std::move(kept->process);
        started_.erase(kept);
    } else {
        process.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
        if (!process) process.reset(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    }
    if (!process) return std::nullopt;
    if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(process.get(), &code)) return std::nullopt;
    return static_cast<uint32_t>(code);
}

std::optional<uint32_t> Win32Processes::ExitCodeIfEnded(uint32_t processId) const {
    // Only a kept handle is sure to be this start's process: a bare id may belong to a newer one.
    const auto kept = std::find_if(started_.begin(), started_.end(),
                                   [&](const Started& s) { return s.processId == processId; });
    if (kept == started_.end()) return std::nullopt;
    if (WaitForSingleObject(kept->process.get(), 0) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(kept->process.get(), &code)) return std::nullopt;
    return static_cast<uint32_t>(code);
}

bool Win32Processes::HasEnded(uint32_t processId) const {
    // The handle kept from the start names that very process even once its id has been given to
    // another one; only a process started elsewhere is opened by its id.
    const auto kept = std::find_if(started_.begin(), started_.end(),
                                   [&](const Started& s) { return s.processId == processId; });
    if (kept != started_.end()) return WaitForSingleObject(kept->process.get(), 0) == WAIT_OBJECT_0;
    const UniqueKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    if (!process) return true;
    return WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

namespace {
bool OwnedBy(HWND window, uint32_t processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId;
}
}  // namespace

platform::WindowSearch Win32Processes::FindVisibleWindow(uint32_t processId) const {
    Enter(locations_.visibleSearch);
    platform::WindowSearch result;
    Enter(locations_.visibleWalk);
    WalkWindows([&](HWND window) {
        if (!OwnedBy(window, processId)) return true;
        result.found = true;
        if (!IsWindowVisible(window)) return true;
        result.window = reinterpret_cast<platform::WindowId>(window);
        return false;
    });
    return result;
}

platform::WindowSearch Win32Processes::FindTorvaTitleWindow(uint32_t processId) const {
    Enter(locations_.titleSearch);
    platform::WindowSearch result;
    Enter(locations_.titleWalk);
    WalkWindows([&](HWND window) {
        if (!OwnedBy(window, processId)) return true;
        result.found = true;
        if (TitleStart(window) != L"TORVA") return true;
        result.titled = true;
        result.window = reinterpret_cast<platform::WindowId>(window);
        return false;
    });
    return result;
}

uint32_t Win32Processes::CurrentProcessId() const {
    return GetCurrentProcessId();
}

}  // namespace torva::win32
