#include "tests/e2e/activation/menu_session.h"

#include <gtest/gtest.h>

#include "common/cp932.h"
#include "platform/win32/wide.h"

namespace torva::e2e {

namespace {

constexpr int kButtonIdBase = 1000;

}  // namespace

MenuSession::MenuSession(SessionOptions options) : folder_("tvact"), options_(std::move(options)) {
    const std::string bin = ProgramFolder();
    CopyFileTo(ProgramPath("Torva.exe"), folder_.File("Torva.exe"));
    CopyFileTo(ProgramPath("TvProbe.exe"), folder_.File("TvProbe.exe"));
    for (const char* sibling : {"Tvshell.exe", "Tvscript.exe", "Tvrmsg.exe", "Tvsetup.exe"}) {
        const std::string real = ProgramPath(sibling);
        if (options_.realSiblings) {
            if (FileExists(real)) CopyFileTo(real, folder_.File(sibling));
        } else {
            CopyFileTo(ProgramPath("TvProbe.exe"), folder_.File(sibling));
        }
    }
    probeLog_ = folder_.File("probe.log");
    powerLog_ = folder_.File("power.log");
}

MenuSession::~MenuSession() {
    EndAfterRegistration(process_, probeLog_);
    // Probes the menu started (windows of stand-ins, synchronous programs) end with the test.
    for (HWND w : FindTopLevelWindows({})) {
        const DWORD pid = WindowProcessId(w);
        for (const auto& r : ProbeRecords()) {
            if (r.pid == pid) PostMessageW(w, WM_CLOSE, 0, 0);
        }
    }
    WaitUntil([&] { return !process_.IsRunning(); }, Millis(3000));
    WaitForChildrenToEnd(process_.Id(), Millis(3000));
}

bool MenuSession::Start(const std::vector<std::string>& lines) {
    definitionPath_ = folder_.File("TEST.TVX");
    if (!WriteAnsiLines(definitionPath_, lines)) return false;
    StartOptions start;
    start.arguments = "\"" + definitionPath_ + "\"";
    start.workFolder = folder_.Path();
    start.environment = options_.environment;
    start.environment["TORVA_PROBE_LOG"] = probeLog_;
    start.environment["TORVA_PROBE_OPTIONS"] = options_.probeOptions;
    start.environment["TORVA_POWER_LOG"] = powerLog_;
    process_ = Process::Start(folder_.File("Torva.exe"), start);
    if (!process_.Valid()) return false;
    WindowQuery query;
    query.processId = process_.Id();
    query.className = "TORVAFM";
    query.visibleOnly = false;
    const auto menu = WaitForWindow(query);
    if (!menu) return false;
    menu_ = *menu;
    // The window is placed and drawn before it is shown; wait until it is on screen.
    return WaitUntil([&] { return IsWindowVisible(menu_) != FALSE; });
}

HWND MenuSession::Button(int n) const {
    const auto control = FindControlById(menu_, kButtonIdBase + n);
    return control ? control->hwnd : nullptr;
}

void MenuSession::Click(int n) {
    HWND button = Button(n);
    ASSERT_NE(button, nullptr) << "button " << n;
    ClickAt(button, POINT{6, 6});
}

std::vector<probe::ProbeRecord> MenuSession::ProbeRecords() const {
    return ReadProbeRecords(probeLog_);
}

bool MenuSession::WaitForProbeRecords(std::size_t count, Millis timeout) const {
    return WaitUntil([&] { return ProbeRecords().size() >= count; }, timeout);
}

std::vector<probe::ProbeRecord> MenuSession::RecordsWithArg(const std::string& arg) const {
    return e2e::RecordsWithArg(ProbeRecords(), arg);
}

bool MenuSession::WaitForRecordWithArg(const std::string& arg, Millis timeout) const {
    return WaitUntil([&] { return !RecordsWithArg(arg).empty(); }, timeout);
}

std::string MenuSession::PowerLog() const {
    return ReadBytes(powerLog_).value_or("");
}

bool WriteLocalMailslot(const std::string& utf8Message) {
    win32::UniqueFileHandle slot(CreateFileW(L"\\\\.\\mailslot\\TORVAMS", GENERIC_WRITE, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!slot) return false;
    const std::string bytes = Utf8ToCp932(utf8Message);
    DWORD written = 0;
    return WriteFile(slot.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

std::string ProbeButton(const MenuSession& s, int n, const std::string& arguments, int option,
                        const std::string& password, const std::string& guide,
                        const std::string& workFolder) {
    return "CMD" + std::to_string(n) + ",,OFF,\"B" + std::to_string(n) + "\",,,,,,,\"" + workFolder +
           "\",\"CMD:<" + s.Probe() + "> " + arguments + "\"," + std::to_string(option) + ",\"" + password +
           "\",\"" + guide + "\"";
}

bool CloseWindowsTitled(const std::string& caption) {
    WindowQuery query;
    query.caption = caption;
    for (HWND w : FindTopLevelWindows(query)) PostMessageW(w, WM_CLOSE, 0, 0);
    return WaitForNoWindow(query);
}

}  // namespace torva::e2e
