#pragma once
// One run of the menu program for a test: a scratch program folder holding Torva.exe and the probe
// (and, unless the real programs are asked for, probe copies standing in for Tvshell, Tvscript and
// Tvrmsg, so that every command line the menu builds is recorded), a definition written in the
// ANSI code page, and the probe and power logs of the run.

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"
#include "tests/probe/probe_log.h"

namespace torva::e2e {

struct SessionOptions {
    // Use the build's own Tvshell, Tvscript and Tvrmsg instead of probe stand-ins.
    bool realSiblings = false;
    // Options every probe of the run reads first (TORVA_PROBE_OPTIONS).
    std::string probeOptions = "--exit 0";
    std::map<std::string, std::string> environment;
};

class MenuSession {
  public:
    explicit MenuSession(SessionOptions options = {});
    ~MenuSession();
    MenuSession(const MenuSession&) = delete;
    MenuSession& operator=(const MenuSession&) = delete;

    // Path of the probe in the session's program folder (for definitions).
    std::string Probe() const { return folder_.File("TvProbe.exe"); }
    const TempFolder& Folder() const { return folder_; }

    // Writes the definition (UTF-8 lines, joined with CR LF and stored as Shift-JIS) and starts the
    // menu on it; false when no menu window showed up.
    [[nodiscard]] bool Start(const std::vector<std::string>& lines);

    HWND Menu() const { return menu_; }
    Process& Program() { return process_; }
    HWND Button(int n) const;
    // A left click on button n (posted to the button control).
    void Click(int n);

    std::vector<probe::ProbeRecord> ProbeRecords() const;
    // Waits until the probe log holds at least count records.
    bool WaitForProbeRecords(std::size_t count, Millis timeout = kDefaultTimeout) const;
    // Records whose arguments include the given one (the launcher's own helpers are left out).
    std::vector<probe::ProbeRecord> RecordsWithArg(const std::string& arg) const;
    bool WaitForRecordWithArg(const std::string& arg, Millis timeout = kDefaultTimeout) const;
    std::string PowerLog() const;

    // Menu state as the user sees it.
    bool MenuEnabled() const { return IsWindowEnabled(menu_) != FALSE; }
    bool MenuVisible() const { return IsWindowVisible(menu_) != FALSE; }
    bool MenuMinimised() const { return IsIconic(menu_) != FALSE; }

  private:
    TempFolder folder_;
    SessionOptions options_;
    std::string definitionPath_;
    std::string probeLog_;
    std::string powerLog_;
    Process process_;
    HWND menu_ = nullptr;
};

// Sends one message to this machine's menu mailslot, as another computer would.
bool WriteLocalMailslot(const std::string& utf8Message);

// A probe button line: CMDn running the probe with the arguments, and the given option, password
// and guide (class-3 definition).
std::string ProbeButton(const MenuSession& s, int n, const std::string& arguments, int option = 0,
                        const std::string& password = {}, const std::string& guide = {},
                        const std::string& workFolder = {});

inline WindowQuery Titled(const std::string& caption) {
    WindowQuery query;
    query.caption = caption;
    return query;
}

// Closes every top-level window with the caption and waits until they are gone.
bool CloseWindowsTitled(const std::string& caption);

}  // namespace torva::e2e
