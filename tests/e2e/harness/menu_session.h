#pragma once
// One run of Torva.exe for a test: a scratch program folder holding the menu, the probe and probe
// copies standing in for the sibling programs the menu starts by name (so the start-up registration
// does not disturb the test and every command line the menu builds for them is recorded), a
// definition written in the ANSI code page, and the probe (and power) log of the run.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"
#include "tests/probe/probe_log.h"

namespace torva::e2e {

inline constexpr int kButtonId = 1000;  // CMD(i): 1000 + i
inline constexpr int kTitleId = 1100;   // Label1(i): 1100 + i

// Settings of the per-user instance record, as the menu keeps it.
inline constexpr const char* kInstanceKey = "Software\\Torva\\Torva\\Opt";

struct SessionOptions {
    std::string folderPrefix = "tvrt";
    // Siblings placed next to the menu: probe copies, or the build's own when realSiblings is set
    // (those the build has).
    std::vector<std::string> siblings = {"Tvshell.exe"};
    bool realSiblings = false;
    // Options every probe of the run reads first (TORVA_PROBE_OPTIONS).
    std::string probeOptions = "--exit 0";
    std::map<std::string, std::string> environment;
    // Power requests written to the session's power log instead of performed.
    bool powerLog = false;
};

// The session of the button-activation tests: every sibling the menu starts stood in for, and power
// requests logged, since those tests press power buttons.
SessionOptions ActivationOptions();

class MenuSession {
  public:
    explicit MenuSession(SessionOptions options = {});
    // Ends the menu once its opener registration has run, then closes the windows of the probes
    // it started and waits for them and for the menu's other children to end.
    ~MenuSession();
    MenuSession(const MenuSession&) = delete;
    MenuSession& operator=(const MenuSession&) = delete;

    const TempFolder& Folder() const { return folder_; }
    // Path of the probe in the session's program folder (for definitions).
    std::string Probe() const { return folder_.File("TvProbe.exe"); }
    std::string DefinitionPath() const { return folder_.File("TEST.TVX"); }

    // Writes the definition (UTF-8 lines joined by CR LF, stored as Shift-JIS).
    bool WriteDefinition(const std::vector<std::string>& lines) const;
    // Starts the menu on the definition (or with the given argument text) and waits until its window
    // is on screen; false when no menu window showed up.
    [[nodiscard]] bool Start(const std::vector<std::string>& lines);
    [[nodiscard]] bool StartWithArguments(const std::string& arguments, bool expectWindow = true);

    HWND Menu() const { return menu_; }
    Process& Program() { return process_; }
    HWND Control(int id) const;
    HWND Button(int n) const { return Control(kButtonId + n); }
    // A left click on button n (posted to the button control).
    void Click(int n);
    // The control of the menu that has the keyboard focus.
    HWND Focus() const;
    int FocusedButton() const;

    // Menu state as the user sees it.
    bool MenuEnabled() const { return IsWindowEnabled(menu_) != FALSE; }
    bool MenuVisible() const { return IsWindowVisible(menu_) != FALSE; }
    bool MenuMinimised() const { return IsIconic(menu_) != FALSE; }

    std::vector<probe::ProbeRecord> ProbeRecords() const;
    // Waits until the probe log holds at least count records.
    bool WaitForProbeRecords(std::size_t count, Millis timeout = kDefaultTimeout) const;
    // Records whose arguments include the given one.
    std::vector<probe::ProbeRecord> RecordsWithArg(const std::string& arg) const;
    std::size_t CountRecordsWithArg(const std::string& arg) const { return RecordsWithArg(arg).size(); }
    bool WaitForRecordWithArg(const std::string& arg, Millis timeout = kDefaultTimeout) const;
    std::string PowerLog() const;

    // Asks the menu to close as the user does (the close box) and waits up to timeout for its end.
    bool CloseAsUser(Millis timeout = Millis(5000));

  private:
    TempFolder folder_;
    SessionOptions options_;
    std::string probeLog_;
    std::string powerLog_;
    Process process_;
    HWND menu_ = nullptr;
};

// Sends one message to this machine's menu mailslot, as another computer would.
bool WriteLocalMailslot(const std::string& utf8Message);

// The fields of a button line of a class-3 definition, each written as given (quotes included),
// in the order of the line. Each has an initialiser so that designated initialisers may leave
// fields out without GCC 12's missing-initializer warning.
struct ButtonFields {
    std::string icon{}, key = "OFF", caption{};
    std::string fontName{}, style{}, size{}, textColour{}, buttonColour{};
    std::string comment{}, workFolder{}, command{};
    std::string option{}, password{}, guide{};
};
// "CMDn," and the fields joined by commas.
std::string CmdLine(int n, const ButtonFields& fields);
std::string Quoted(const std::string& text);

// A button line with caption, command text, button colour, icon, function key and comment.
std::string ButtonLine(int n, const std::string& caption, const std::string& command = "\"CMD:\"",
                       const std::string& back = "", const std::string& icon = "", bool pfKey = false,
                       const std::string& comment = "");

// A probe button line: CMDn running the session's probe with the arguments, and the given option,
// password, guide and work folder.
std::string ProbeButton(const MenuSession& s, int n, const std::string& arguments, int option = 0,
                        const std::string& password = {}, const std::string& guide = {},
                        const std::string& workFolder = {});

}  // namespace torva::e2e
