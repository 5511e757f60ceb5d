#pragma once
// Starting programs and watching them: the runtime notes process ids and polls for their windows,
// the script runner waits for the process to end and reads its exit code.

#include <cstdint>
#include <optional>
#include <string>

namespace torva::platform {

using WindowId = std::uintptr_t;  // a window handle as a number; 0 is none

struct WindowSearch {
    bool found = false;   // the process owns at least one window
    WindowId window = 0;  // first visible window (visible test) or first "TORVA" window (title test)
    bool titled = false;  // title test only: a window whose title begins with "TORVA" was found
};

class Processes {
  public:
    virtual ~Processes() = default;
    // Starts a command line in a normal, focused window (working folder: the current folder when
    // empty). Returns the process id, or nothing when the start failed.
    virtual std::optional<uint32_t> Start(const std::string& commandLine,
                                          const std::string& workFolder = {}) = 0;
    // Waits for the process to end and returns its exit code; nothing when it cannot be waited on.
    virtual std::optional<uint32_t> WaitForExit(uint32_t processId) = 0;
    // The exit code of a process this object started, once it has ended; nothing while it runs or
    // when it is not known. Never waits.
    virtual std::optional<uint32_t> ExitCodeIfEnded(uint32_t processId) const = 0;
    // Whether the process has ended, asked without waiting. A process this object did not start and
    // cannot open counts as ended.
    virtual bool HasEnded(uint32_t processId) const = 0;
    // Depth-first walk below the desktop (children before the next sibling).
    virtual WindowSearch FindVisibleWindow(uint32_t processId) const = 0;
    virtual WindowSearch FindTorvaTitleWindow(uint32_t processId) const = 0;
    virtual uint32_t CurrentProcessId() const = 0;
};

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens a document, folder or address with the default verb, in a normal window. Returns the
    // shell's result: 32 or more is success.
    virtual intptr_t Open(const std::string& document, const std::string& workFolder) = 0;
};

// Whether a started program is done with, going by its windows: it owns none now, and it either showed
// one before (noted in windowSeen) or its process has ended. A program that has shown no window yet
// and still runs is still starting, however long that takes; it is not done.
template <typename EndedQuestion>
bool StartedProgramDone(bool ownsWindow, bool& windowSeen, EndedQuestion&& processEnded) {
    if (ownsWindow) {
        windowSeen = true;
        return false;
    }
    return windowSeen || processEnded();
}

}  // namespace torva::platform
