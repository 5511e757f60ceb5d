#include "tvsetup_session.h"

#include "common/cp932.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {

TvsetupSession::TvsetupSession(bool realRuntime) : folder_("tvset"), menus_(folder_.File("menus.txt")) {
    CopyFileTo(ProgramPath("Tvsetup.exe"), folder_.File("Tvsetup.exe"));
    CopyFileTo(ProgramPath("TvProbe.exe"), folder_.File("Tvshell.exe"));
    CopyFileTo(ProgramPath(realRuntime ? "Torva.exe" : "TvProbe.exe"), folder_.File("Torva.exe"));
    probeLog_ = folder_.File("probe.log");
}

TvsetupSession::~TvsetupSession() {
    EndAfterRegistration(process_, probeLog_);
    // Runtimes started by a return end with the session.
    for (const auto& r : ProbeRecords()) {
        for (HWND w : FindTopLevelWindows(WindowQuery().OfProcess(r.pid))) PostMessageW(w, WM_CLOSE, 0, 0);
    }
}

bool TvsetupSession::WriteDefinition(const std::vector<std::string>& lines, const std::string& path) const {
    return WriteAnsiLines(path.empty() ? DefinitionPath() : path, lines);
}

std::string TvsetupSession::ReadDefinitionText(const std::string& path) const {
    const auto bytes = ReadBytes(path.empty() ? DefinitionPath() : path);
    return bytes ? Cp932ToUtf8(*bytes) : std::string();
}

bool TvsetupSession::Start(const std::string& arguments) {
    StartOptions start;
    start.arguments = arguments;
    start.workFolder = folder_.Path();
    start.environment = environment_;
    start.environment["TORVA_PROBE_LOG"] = probeLog_;
    start.environment["TORVA_PROBE_OPTIONS"] = "--exit 0";
    start.environment[kMenuProbeVariable] = menus_.AnswerPath();
    process_ = Process::Start(folder_.File("Tvsetup.exe"), start);
    if (!process_.Valid()) return false;
    const auto window =
        WaitForWindow(WindowQuery().OfProcess(process_.Id()).OfClass("TVSETUPFM"), Millis(20000));
    if (!window) return false;
    window_ = *window;
    // The probe goes in only once the editor waits for input. A thread made in another process is
    // started there from a signal under Wine; one that lands while the editor is still loading its
    // libraries deadlocks it for good, and the editor never answers again.
    Settle();
    if (!process_.WaitForIdle(Millis(20000))) return false;
    if (!menus_.Inject(process_.Handle(), process_.Id())) return false;
    Settle();
    return true;
}

bool TvsetupSession::StartOn(const std::vector<std::string>& lines) {
    return WriteDefinition(lines) && Start("\"" + DefinitionPath() + "\"");
}

HWND TvsetupSession::Control(int id) const {
    const auto control = FindControlById(window_, id);
    return control ? control->hwnd : nullptr;
}

int TvsetupSession::Selected() const {
    HWND focus = FocusedWindow(window_);
    if (!focus) return 0;
    const int id = GetDlgCtrlID(focus);
    if (id > kSlotId && id <= kSlotId + 24) return id - kSlotId;
    if (id == kTitleBarId + 1 || id == kTitleBarId + 2) return 90 + id - kTitleBarId;
    return 0;
}

void TvsetupSession::Settle() const {
    // The window answers a sent message only between the handling of its other messages.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

void TvsetupSession::Command(int id) {
    // Sent, not posted: it returns once the command was handled. Commands that open a box are posted
    // by the tests themselves (PostCommand) so that the box can be answered.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window_, WM_COMMAND, static_cast<WPARAM>(id), 0, SMTO_NORMAL, 10000, &result);
}

void TvsetupSession::Key(UINT key) {
    HWND focus = FocusedWindow(window_);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(focus ? focus : window_, WM_KEYDOWN, key, 0, SMTO_NORMAL, 10000, &result);
}

void TvsetupSession::Click(int element) {
    HWND control = Control(element >= 91 ? kTitleBarId + element - 90 : kSlotId + element);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4), SMTO_NORMAL, 10000, &result);
    SendMessageTimeoutW(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4), SMTO_NORMAL, 10000, &result);
}

std::vector<probe::ProbeRecord> TvsetupSession::ProbeRecords() const {
    return ReadProbeRecords(probeLog_);
}

std::string SlotLine(int n, const std::string& caption, const std::string& command, const std::string& back) {
    return CmdLine(n, {.caption = Quoted(caption), .buttonColour = back, .command = command});
}

}  // namespace torva::e2e
