#pragma once
// One run of Tvsetup.exe for a test, from a scratch program folder: the editor, the probe standing
// in for the document opener (and, when asked, for the runtime), the menu probe loaded into the
// editor, and definitions written in the ANSI code page.

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "menu_probe.h"
#include "tests/e2e/harness/harness.h"
#include "tests/probe/probe_log.h"

namespace torva::e2e {

inline constexpr int kSlotId = 1000;  // CMD(i): 1000 + i
inline constexpr int kTitleBarId = 1100;
inline constexpr int kPageNumberControlId = 1202;
inline constexpr const char* kUntitled = "ＴＯＲＶＡ command definition create tool";

// Menu command ids of the editor (twins: + 1000).
namespace cmd {
inline constexpr int kNew = 101, kOpen = 102, kSave = 103, kSaveAs = 104, kConvert = 105, kText = 106,
                     kExit = 107, kReturn = 109;
inline constexpr int kCut = 201, kCopy = 202, kPaste = 203, kDelete = 204;
// The Edit menu's dialogs.
inline constexpr int kBarTitle = 206, kPageStarts = 207, kStartEnd = 209, kTimedStarts = 210;
inline constexpr int kTop = 301, kBefore = 302, kNext = 303, kEnd = 304;
inline constexpr int Mode(int n) {
    return 310 + n;
}
inline constexpr int kFrame = 322, kNoCheck = 402, kTaskTray = 406;
inline constexpr int kTwin = 1000;
}  // namespace cmd

class TvsetupSession {
  public:
    // realRuntime: the build's Torva.exe sits beside the editor (its key marks, and a real runtime
    // to return to); otherwise the probe stands in for it.
    explicit TvsetupSession(bool realRuntime = false);
    // Variables for the editor and what it starts, set before Start.
    void SetEnvironment(const std::string& name, const std::string& value) { environment_[name] = value; }
    ~TvsetupSession();
    TvsetupSession(const TvsetupSession&) = delete;
    TvsetupSession& operator=(const TvsetupSession&) = delete;

    const TempFolder& Folder() const { return folder_; }
    std::string DefinitionPath() const { return folder_.File("TEST.TVX"); }
    bool WriteDefinition(const std::vector<std::string>& lines, const std::string& path = {}) const;
    std::string ReadDefinitionText(const std::string& path = {}) const;

    // Starts the editor with the argument text and waits for its window and the probe inside it.
    [[nodiscard]] bool Start(const std::string& arguments);
    [[nodiscard]] bool StartOn(const std::vector<std::string>& lines);

    HWND Window() const { return window_; }
    Process& Program() { return process_; }
    MenuProbe& Menus() { return menus_; }
    HWND Control(int id) const;
    std::string Caption() const { return WindowText(window_); }
    std::string PageNumber() const { return WindowText(Control(kPageNumberControlId)); }
    // The element that has the keyboard focus: slot 1..24, 91/92 for the titles, 0 for none.
    int Selected() const;

    // A menu command, sent: it returns once the window has handled it.
    void Command(int id);
    // A key sent to the focused element.
    void Key(UINT key);
    // A left click on a slot 1..24 or a title (91, 92): it takes the selection and opens its dialog.
    void Click(int element);
    // Waits until the window is between two messages.
    void Settle() const;

    std::vector<probe::ProbeRecord> ProbeRecords() const;
    // Where the probes started by the editor (and by what it starts) write.
    const std::string& ProbeLogPath() const { return probeLog_; }

  private:
    TempFolder folder_;
    std::string probeLog_;
    Process process_;
    MenuProbe menus_;
    HWND window_ = nullptr;
    std::map<std::string, std::string> environment_;
};

// A button line of a class-3 definition: slot, caption and command text.
std::string SlotLine(int n, const std::string& caption, const std::string& command = "END",
                     const std::string& back = "");

}  // namespace torva::e2e
