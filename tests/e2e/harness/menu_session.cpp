#include "tests/e2e/harness/menu_session.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/cp932.h"
#include "platform/win32/wide.h"

namespace torva::e2e {

SessionOptions ActivationOptions() {
    SessionOptions options;
    options.folderPrefix = "tvact";
    options.siblings = {"Tvshell.exe", "Tvscript.exe", "Tvrmsg.exe", "Tvsetup.exe"};
    options.powerLog = true;
    return options;
}

MenuSession::MenuSession(SessionOptions options)
    : folder_(options.folderPrefix), options_(std::move(options)) {
    CopyFileTo(ProgramPath("Torva.exe"), folder_.File("Torva.exe"));
    CopyFileTo(ProgramPath("TvProbe.exe"), Probe());
    for (const std::string& sibling : options_.siblings) {
        const std::string real = ProgramPath(sibling);
        if (!options_.realSiblings) {
            CopyFileTo(ProgramPath("TvProbe.exe"), folder_.File(sibling));
        } else if (FileExists(real)) {
            CopyFileTo(real, folder_.File(sibling));
        }
    }
    probeLog_ = folder_.File("probe.log");
    powerLog_ = folder_.File("power.log");
}

MenuSession::~MenuSession() {
    EndAfterRegistration(process_, probeLog_);
    // Probes the menu started (windows of stand-ins, synchronous programs) end with the test.
    const auto records = ProbeRecords();
    std::vector<HWND> closing;
    for (HWND w : FindTopLevelWindows({})) {
        const DWORD pid = WindowProcessId(w);
        if (std::any_of(records.begin(), records.end(), [&](const auto& r) { return r.pid == pid; })) {
            PostMessageW(w, WM_CLOSE, 0, 0);
            closing.push_back(w);
        }
    }
    WaitUntil(
        [&] { return std::none_of(closing.begin(), closing.end(), [](HWND w) { return IsWindow(w); }); },
        Millis(3000));
    // The menu itself has ended (EndAfterRegistration waits for that); what it started may not have.
    if (process_.Valid()) WaitForChildrenToEnd(process_.Id(), Millis(3000));
}

bool MenuSession::WriteDefinition(const std::vector<std::string>& lines) const {
    return WriteAnsiLines(DefinitionPath(), lines);
}

bool MenuSession::Start(const std::vector<std::string>& lines) {
    if (!WriteDefinition(lines)) return false;
    return StartWithArguments("\"" + DefinitionPath() + "\"");
}

bool MenuSession::StartWithArguments(const std::string& arguments, bool expectWindow) {
    StartOptions start;
    start.arguments = arguments;
    start.workFolder = folder_.Path();
    start.environment = options_.environment;
    start.environment["TORVA_PROBE_LOG"] = probeLog_;
    start.environment["TORVA_PROBE_OPTIONS"] = options_.probeOptions;
    if (options_.powerLog) start.environment["TORVA_POWER_LOG"] = powerLog_;
    process_ = Process::Start(folder_.File("Torva.exe"), start);
    if (!process_.Valid()) return false;
    if (!expectWindow) return true;
    // The window is placed and drawn before it is shown: found once it is on screen.
    const auto menu = WaitForWindow(WindowQuery().OfProcess(process_.Id()).OfClass("TORVAFM"), Millis(20000));
    if (!menu) return false;
    menu_ = *menu;
    return true;
}

HWND MenuSession::Control(int id) const {
    const auto control = FindControlById(menu_, id);
    return control ? control->hwnd : nullptr;
}

void MenuSession::Click(int n) {
    HWND button = Button(n);
    ASSERT_NE(button, nullptr) << "button " << n;
    ClickAt(button, POINT{6, 6});
}

HWND MenuSession::Focus() const {
    return FocusedWindow(menu_);
}

int MenuSession::FocusedButton() const {
    HWND focus = Focus();
    for (int n = 1; n <= 24; ++n) {
        if (focus && focus == Button(n)) return n;
    }
    return 0;
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

bool MenuSession::CloseAsUser(Millis timeout) {
    PostMessageW(menu_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return process_.WaitForExit(timeout).has_value();
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

std::string CmdLine(int n, const ButtonFields& f) {
    std::string line = "CMD" + std::to_string(n);
    for (const std::string* field :
         {&f.icon, &f.key, &f.caption, &f.fontName, &f.style, &f.size, &f.textColour, &f.buttonColour,
          &f.comment, &f.workFolder, &f.command, &f.option, &f.password, &f.guide}) {
        line += "," + *field;
    }
    return line;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string ButtonLine(int n, const std::string& caption, const std::string& command, const std::string& back,
                       const std::string& icon, bool pfKey, const std::string& comment) {
    return CmdLine(n, {.icon = Quoted(icon),
                       .key = pfKey ? "ON" : "OFF",
                       .caption = Quoted(caption),
                       .buttonColour = back,
                       .comment = Quoted(comment),
                       .command = command});
}

std::string ProbeButton(const MenuSession& s, int n, const std::string& arguments, int option,
                        const std::string& password, const std::string& guide,
                        const std::string& workFolder) {
    return CmdLine(n, {.caption = Quoted("B" + std::to_string(n)),
                       .workFolder = Quoted(workFolder),
                       .command = Quoted("CMD:<" + s.Probe() + "> " + arguments),
                       .option = std::to_string(option),
                       .password = Quoted(password),
                       .guide = Quoted(guide)});
}

}  // namespace torva::e2e
