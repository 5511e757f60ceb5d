#include "menu_probe.h"

#include <sstream>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/harness.h"

namespace torva::e2e {

bool MenuProbe::Inject(HANDLE process, DWORD processId) {
    processId_ = processId;
    const std::wstring dll = torva::win32::Wide(ProgramPath("TvMenuProbe.dll"));
    const SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) return false;
    if (!WriteProcessMemory(process, remote, dll.c_str(), bytes, nullptr)) return false;
    auto* loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, loadLibrary, remote, 0, nullptr);
    if (!thread) return false;
    WaitForSingleObject(thread, 10000);
    DWORD code = 0;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    if (code == 0) return false;
    // The probe's worker makes its events once it runs.
    return WaitUntil([&] {
        HANDLE e = OpenEventW(EVENT_MODIFY_STATE, FALSE,
                              (L"TorvaMenuProbeRequest-" + std::to_wstring(processId_)).c_str());
        if (!e) return false;
        CloseHandle(e);
        return true;
    });
}

std::optional<std::string> MenuProbe::Ask(const std::string& request) {
    const std::wstring pid = std::to_wstring(processId_);
    HANDLE requestEvent = OpenEventW(EVENT_MODIFY_STATE, FALSE, (L"TorvaMenuProbeRequest-" + pid).c_str());
    HANDLE doneEvent = OpenEventW(SYNCHRONIZE, FALSE, (L"TorvaMenuProbeDone-" + pid).c_str());
    std::optional<std::string> answer;
    if (requestEvent && doneEvent && WriteBytes(answer_ + ".req", request)) {
        SetEvent(requestEvent);
        if (WaitForSingleObject(doneEvent, 10000) == WAIT_OBJECT_0) answer = ReadBytes(answer_);
    }
    if (requestEvent) CloseHandle(requestEvent);
    if (doneEvent) CloseHandle(doneEvent);
    return answer;
}

std::vector<MenuLine> MenuProbe::Dump() {
    std::vector<MenuLine> lines;
    const auto answer = Ask("dump");
    if (!answer) return lines;
    std::istringstream in(*answer);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        MenuLine m;
        std::string depth, id;
        std::getline(fields, depth, '\t');
        std::getline(fields, id, '\t');
        std::getline(fields, m.flags, '\t');
        std::getline(fields, m.caption);
        m.depth = std::stoi(depth);
        m.id = std::stoi(id);
        lines.push_back(std::move(m));
    }
    return lines;
}

std::optional<MenuLine> MenuProbe::Item(int id) {
    for (MenuLine& line : Dump()) {
        if (line.id == id && !line.Separator()) return line;
    }
    return std::nullopt;
}

bool MenuProbe::Drop(POINT client, const std::string& path) {
    const auto answer = Ask("drop " + std::to_string(client.x) + " " + std::to_string(client.y) + " " + path);
    return answer && *answer == "ok";
}

int MenuProbe::FocusedControlId() {
    const auto answer = Ask("focus");
    return answer ? std::atoi(answer->c_str()) : 0;
}

}  // namespace torva::e2e
