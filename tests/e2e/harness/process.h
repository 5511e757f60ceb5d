#pragma once
// Starting a program under test and watching it end.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "tests/e2e/harness/wait.h"

namespace torva::e2e {

// Folder of the running test executable (the build's program folder, where every program lands),
// without a trailing "\".
std::string ProgramFolder();
// ProgramFolder() + "\" + name.
std::string ProgramPath(const std::string& name);

struct StartOptions {
    // Text after the program name, passed as it is (the caller quotes what needs quoting).
    std::string arguments;
    // Working folder of the new process; the caller's when empty.
    std::string workFolder;
    // Variables added to (or replacing those of) the caller's environment; an empty value removes
    // the variable.
    std::map<std::string, std::string> environment;
    // Show command handed to the program (STARTF_USESHOWWINDOW).
    int showCommand = SW_SHOWNORMAL;
    // The program path is written in double quotes unless this is false; callers that compose
    // "folder\Program.exe args" without quotes are reproduced with false.
    bool quoteProgram = true;

    // Chainable setters: StartOptions().Args("x").InFolder(dir).WithEnv("NAME", "value").
    StartOptions& Args(std::string text) {
        arguments = std::move(text);
        return *this;
    }
    StartOptions& InFolder(std::string folder) {
        workFolder = std::move(folder);
        return *this;
    }
    StartOptions& WithEnv(const std::string& name, std::string value) {
        environment[name] = std::move(value);
        return *this;
    }
    StartOptions& UnquotedProgram() {
        quoteProgram = false;
        return *this;
    }
    StartOptions& Show(int command) {
        showCommand = command;
        return *this;
    }
};

// A started process. The destructor ends it (exit code 0xDEAD) if it is still running, so a failing
// test never leaves programs behind for the next one.
class Process {
  public:
    Process() = default;
    Process(Process&&) noexcept = default;
    // A process still running in the target is ended first, as the destructor would.
    Process& operator=(Process&& other) noexcept;
    ~Process();

    // Starts program (a full path) with "program" in double quotes (see quoteProgram) + " " +
    // options.arguments as its command line. An empty Process (Valid() false) when the start failed;
    // StartError() tells why.
    static Process Start(const std::string& program, const StartOptions& options = {});

    bool Valid() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_.get(); }
    DWORD StartError() const { return startError_; }

    bool IsRunning() const;
    // Waits up to timeout for the end; the exit code, or nothing when it is still running.
    std::optional<DWORD> WaitForExit(Millis timeout = kDefaultTimeout);
    // Waits for the program to finish its start-up (WaitForInputIdle), bounded.
    bool WaitForIdle(Millis timeout = kDefaultTimeout) const;
    // Ends the process if it runs and waits (bounded) until it is gone.
    void Kill(UINT exitCode = 0xDEAD);
    // Gives up ownership: the process keeps running after this object is gone.
    void Detach();

  private:
    win32::UniqueKernelHandle process_;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

// Builds a Unicode environment block: the caller's variables with the given changes applied.
std::wstring BuildEnvironmentBlock(const std::map<std::string, std::string>& changes);

// A console program run to its end, its output caught in files.
struct ConsoleRun {
    std::optional<DWORD> exitCode;  // none when it did not start, or did not end within a minute
    std::string out;
    std::string err;  // empty when the errors went with the output
    DWORD startError = 0;
};
// Runs program (a full path) with arguments, without a window: its standard output goes to outPath,
// its standard error to errPath, or with the output when errPath is empty.
ConsoleRun RunConsole(const std::string& program, const std::string& arguments, const std::string& outPath,
                      const std::string& errPath = {});

}  // namespace torva::e2e
