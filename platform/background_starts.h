#pragma once
// A start whose result nobody waits for (the opener's registration of the file types, which the menu
// and the editor make at every start) made on a thread of its own: creating a process takes as long
// as a good part of a program's own start, which goes on meanwhile. It can also be kept until the
// program has shown itself, so that the new process does not compete with it for the processor.
// Any other start and any wait for a process come only after it, so programs still start in the
// order the start-up names them. Window searches do not wait: they share nothing with a start.

#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "platform/processes.h"

namespace torva::platform {

// How long the menu and the editor keep their deferred start once they are on the screen: long
// enough for the new process not to share the processor with their first moments (the first paint,
// a first key), short enough to be made long before anyone could miss it.
inline constexpr unsigned kDeferredStartDelayMs = 500;

class BackgroundStartProcesses final : public Processes {
  public:
    explicit BackgroundStartProcesses(std::unique_ptr<Processes> inner);
    ~BackgroundStartProcesses() override;
    BackgroundStartProcesses(const BackgroundStartProcesses&) = delete;
    BackgroundStartProcesses& operator=(const BackgroundStartProcesses&) = delete;

    // Starts the command line on the background thread; its result is not checked. One at a time:
    // a second call first waits for the first.
    void StartInBackground(std::string commandLine);
    // The same start kept for later, so that it does not compete with what the program shows
    // first: made by StartDeferred, or before any other start, wait or FinishBackgroundStart,
    // whichever comes first. So it still comes before every start made after this call.
    void DeferStart(std::string commandLine);
    // The deferred start now, in the background (nothing when none is kept).
    void StartDeferred();
    // Returns once the background start, deferred or not, has been made (at once when there is none).
    void FinishBackgroundStart() const;

    std::optional<uint32_t> Start(const std::string& commandLine,
                                  const std::string& workFolder = {}) override;
    std::optional<uint32_t> WaitForExit(uint32_t processId) override;
    std::optional<uint32_t> ExitCodeIfEnded(uint32_t processId) const override;
    bool HasEnded(uint32_t processId) const override;
    WindowSearch FindVisibleWindow(uint32_t processId) const override;
    WindowSearch FindTorvaTitleWindow(uint32_t processId) const override;
    uint32_t CurrentProcessId() const override;

  private:
    void Launch(std::string commandLine) const;

    std::unique_ptr<Processes> inner_;
    mutable std::optional<std::string> deferred_;
    mutable std::thread background_;  // joined by the reading calls too
};

}  // namespace torva::platform
