#include "tests/e2e/runtime/runtime_session.h"

#include <algorithm>

namespace torva::e2e {

RuntimeSession::RuntimeSession() : folder_("tvrt") {
    CopyFileTo(ProgramPath("Torva.exe"), folder_.File("Torva.exe"));
    CopyFileTo(ProgramPath("TvProbe.exe"), folder_.File("TvProbe.exe"));
    CopyFileTo(ProgramPath("TvProbe.exe"), folder_.File("Tvshell.exe"));
    probeLog_ = folder_.File("probe.log");
}

RuntimeSession::~RuntimeSession() {
    EndAfterRegistration(process_, probeLog_);
    const auto records = ProbeRecords();
    std::vector<HWND> closing;
    for (HWND w : FindTopLevelWindows({})) {
        const DWORD pid = WindowProcessId(w);
        for (const auto& r : records) {
            if (r.pid == pid) {
                PostMessageW(w, WM_CLOSE, 0, 0);
                closing.push_back(w);
            }
        }
    }
    WaitUntil(
        [&] { return std::none_of(closing.begin(), closing.end(), [](HWND w) { return IsWindow(w); }); },
        Millis(3000));
}

bool RuntimeSession::WriteDefinition(const std::vector<std::string>& lines) const {
    return WriteAnsiLines(DefinitionPath(), lines);
}

bool RuntimeSession::Start(const std::vector<std::string>& lines) {
    if (!WriteDefinition(lines)) return false;
    return StartWithArguments("\"" + DefinitionPath() + "\"");
}

bool RuntimeSession::StartWithArguments(const std::string& arguments, bool expectWindow) {
    StartOptions start;
    start.arguments = arguments;
    start.workFolder = folder_.Path();
    start.environment["TORVA_PROBE_LOG"] = probeLog_;
    start.environment["TORVA_PROBE_OPTIONS"] = "--exit 0";
    process_ = Process::Start(folder_.File("Torva.exe"), start);
    if (!process_.Valid()) return false;
    if (!expectWindow) return true;
    WindowQuery query;
    query.processId = process_.Id();
    query.className = "TORVAFM";
    query.visibleOnly = true;
    const auto menu = WaitForWindow(query, Millis(20000));
    if (!menu) return false;
    menu_ = *menu;
    return true;
}

HWND RuntimeSession::Control(int id) const {
    const auto control = FindControlById(menu_, id);
    return control ? control->hwnd : nullptr;
}

HWND RuntimeSession::Focus() const {
    return FocusedWindow(menu_);
}

int RuntimeSession::FocusedButton() const {
    HWND focus = Focus();
    for (int n = 1; n <= 24; ++n) {
        if (focus && focus == Button(n)) return n;
    }
    return 0;
}

std::vector<probe::ProbeRecord> RuntimeSession::ProbeRecords() const {
    return ReadProbeRecords(probeLog_);
}

std::size_t RuntimeSession::CountRecordsWithArg(const std::string& arg) const {
    return RecordsWithArg(ProbeRecords(), arg).size();
}

bool RuntimeSession::WaitForRecordWithArg(const std::string& arg, Millis timeout) const {
    return WaitUntil([&] { return CountRecordsWithArg(arg) > 0; }, timeout);
}

bool RuntimeSession::CloseAsUser(Millis timeout) {
    PostMessageW(menu_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return process_.WaitForExit(timeout).has_value();
}

std::string ButtonLine(int n, const std::string& caption, const std::string& command, const std::string& back,
                       const std::string& icon, bool pfKey, const std::string& comment) {
    // icon, key, caption, font name, style, size, text colour, button colour, comment, work folder,
    // command, option, password, guide
    std::string line = "CMD" + std::to_string(n);
    line += ",\"" + icon + "\"";
    line += pfKey ? ",ON" : ",OFF";
    line += ",\"" + caption + "\"";
    line += ",,,,";
    line += "," + back;
    line += ",\"" + comment + "\"";
    line += ",";
    line += "," + command;
    line += ",,,";
    return line;
}

}  // namespace torva::e2e
