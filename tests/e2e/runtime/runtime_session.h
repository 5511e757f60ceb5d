#pragma once
// One run of Torva.exe for a test, from a scratch program folder holding the menu and the probe
// (the probe also stands in for Tvshell, so the start-up registration does not disturb the test),
// with a definition written in the ANSI code page.

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/harness/harness.h"
#include "tests/probe/probe_log.h"

namespace torva::e2e {

inline constexpr int kButtonId = 1000;  // CMD(i): 1000 + i
inline constexpr int kTitleId = 1100;   // Label1(i): 1100 + i

class RuntimeSession {
  public:
    RuntimeSession();
    ~RuntimeSession();
    RuntimeSession(const RuntimeSession&) = delete;
    RuntimeSession& operator=(const RuntimeSession&) = delete;

    const TempFolder& Folder() const { return folder_; }
    std::string Probe() const { return folder_.File("TvProbe.exe"); }
    std::string DefinitionPath() const { return folder_.File("TEST.TVX"); }

    // Writes the definition (UTF-8 lines joined by CR LF, stored as Shift-JIS).
    bool WriteDefinition(const std::vector<std::string>& lines) const;
    // Starts the menu on the definition (or with the given argument text) and waits until its window
    // is visible; false when no menu window showed up.
    [[nodiscard]] bool Start(const std::vector<std::string>& lines);
    [[nodiscard]] bool StartWithArguments(const std::string& arguments, bool expectWindow = true);

    HWND Menu() const { return menu_; }
    Process& Program() { return process_; }
    HWND Control(int id) const;
    HWND Button(int n) const { return Control(kButtonId + n); }
    // The control of the menu that has the keyboard focus.
    HWND Focus() const;
    int FocusedButton() const;

    std::vector<probe::ProbeRecord> ProbeRecords() const;
    bool WaitForRecordWithArg(const std::string& arg, Millis timeout = kDefaultTimeout) const;
    std::size_t CountRecordsWithArg(const std::string& arg) const;

    // Asks the menu to close as the user does (the close box) and waits up to timeout for its end.
    bool CloseAsUser(Millis timeout = Millis(5000));

  private:
    TempFolder folder_;
    std::string probeLog_;
    Process process_;
    HWND menu_ = nullptr;
};

// A button line of a class-3 definition.
std::string ButtonLine(int n, const std::string& caption, const std::string& command = "\"CMD:\"",
                       const std::string& back = "", const std::string& icon = "", bool pfKey = false,
                       const std::string& comment = "");

// Settings of the per-user instance record, as the menu keeps it.
inline constexpr const char* kInstanceKey = "Software\\Torva\\Torva\\Opt";

}  // namespace torva::e2e
