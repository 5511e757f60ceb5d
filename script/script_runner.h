#pragma once
// One run of the script runner: start-up, the line loop and every command, reporting each script
// error with its box. Talks to the system only through the ScriptHost.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "journal/launch_journal.h"
#include "script/script_host.h"
#include "script/script_line.h"
#include "script/script_state.h"

namespace torva::script {

// Command value of the system-command message that closes the menu runtime.
inline constexpr uint32_t kCloseMenuCommand = 1090;

class ScriptRunner {
  public:
    // Starts go to the launch journal when one is given.
    ScriptRunner(ScriptHost& host, ScriptState& state, journal::LaunchJournal* journal = nullptr)
        : host_(host), state_(state), journal_(journal) {}
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs the script named by the command line (the text after the program name). Returns the
    // runner's exit status: 0 for an empty command line or a normal end, else the step code of the
    // error box that ended it.
    int Run(std::string_view commandLine);

  private:
    enum class Flow { Next, Leave };

    void StartUp(std::string_view commandLine, bool& emptyCommandLine);
    void OpenScript();
    void RunLines();
    Flow Execute(const ScriptLine& line);

    Flow RunProgram(const ScriptLine& line, bool wait);
    Flow Code(const ScriptLine& line);
    Flow Back(const ScriptLine& line);
    Flow Sleep(const ScriptLine& line);
    Flow Ask(const ScriptLine& line, std::string_view question, BoxAnswer leaveOn);

    // System and remote operations.
    Flow CloseCaller();
    Flow LocalExit(Keyword keyword);
    Flow RemoteShutdown(const ScriptLine& line, bool reboot);
    Flow RemoteMessage(const ScriptLine& line);
    Flow RemoteControl(const ScriptLine& line);
    void SendRemote(const std::string& computer, const std::string& message);

    // Sets the error number and texts and unwinds to the error box.
    [[noreturn]] void Fail(ScriptError error, std::string detail);
    void Record(const char* action, const std::string& commandLine, const std::string& workFolder,
                bool waited, bool started, std::optional<uint32_t> processId);
    void ShowErrorBox(int failureNumber);

    ScriptHost& host_;
    ScriptState& state_;
    journal::LaunchJournal* journal_;
    std::vector<std::string> lines_;
    std::size_t nextLine_ = 0;
};

// Splits decoded file text into lines at CR LF (a lone CR or LF ends a line too); a final line
// without an ending counts, an ending at the very end adds no empty line.
std::vector<std::string> SplitScriptLines(std::string_view text);

}  // namespace torva::script
