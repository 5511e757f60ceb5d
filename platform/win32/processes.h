#pragma once
// Starting programs, waiting for them and finding their windows, through the Win32 API.

#include <cstdint>
#include <vector>

#include "common/error_state.h"
#include "platform/processes.h"
#include "platform/win32/unique_handle.h"

namespace torva::win32 {

// The location numbers a program's fatal report shows for the window searches: each search sets its
// own on entry and its walk below the desktop its own, so a failure inside names the step.
struct WindowSearchLocations {
    ErrorState* state = nullptr;  // none: nothing is noted
    int16_t visibleSearch = 0;
    int16_t visibleWalk = 0;
    int16_t titleSearch = 0;
    int16_t titleWalk = 0;
};

class Win32Processes : public platform::Processes {
  public:
    Win32Processes() = default;
    explicit Win32Processes(WindowSearchLocations locations) : locations_(locations) {}

    // CreateProcessW with STARTF_USESHOWWINDOW / SW_SHOWNORMAL: a normal, activated window.
    std::optional<uint32_t> Start(const std::string& commandLine,
                                  const std::string& workFolder = {}) override;
    // Uses the handle kept from Start when this object started the process (so a child that ended
    // at once, whose id the system may already have reused, still gives its own exit code);
    // otherwise opens the process by id.
    std::optional<uint32_t> WaitForExit(uint32_t processId) override;
    std::optional<uint32_t> ExitCodeIfEnded(uint32_t processId) const override;
    bool HasEnded(uint32_t processId) const override;
    platform::WindowSearch FindVisibleWindow(uint32_t processId) const override;
    platform::WindowSearch FindTorvaTitleWindow(uint32_t processId) const override;
    uint32_t CurrentProcessId() const override;

  private:
    void Enter(int16_t location) const {
        if (locations_.state && location) locations_.state->code = location;
    }

    WindowSearchLocations locations_;
    struct Started {
        uint32_t processId;
        UniqueKernelHandle process;
    };
    // Handles of started processes not yet waited on; the oldest ended ones are let go beyond a
    // bound, so a long-running menu that never waits does not collect handles without limit.
    std::vector<Started> started_;
    static constexpr std::size_t kKeptHandles = 64;
    void Keep(uint32_t processId, UniqueKernelHandle process);
};

}  // namespace torva::win32
