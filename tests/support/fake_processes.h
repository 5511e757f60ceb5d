#pragma once
// The started programs of every unit test: each start is recorded with the current folder it saw;
// starts can be made to fail; windows of started programs are found while a test says they exist.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/processes.h"

namespace torva::testing {

class FakeProcesses : public platform::Processes {
  public:
    struct Started {
        std::string commandLine;
        std::string currentFolder;
    };
    std::vector<Started> started;
    std::vector<std::optional<uint32_t>> results;     // consumed in order; empty: ids from nextId up
    std::set<uint32_t> withWindow;                    // processes that own a window until erased
    std::set<uint32_t> windowless;                    // processes running without a window until erased
    mutable std::map<uint32_t, int> windowForChecks;  // processes whose window this many more checks find
    std::map<uint32_t, platform::WindowId> visibleWindow;
    std::map<uint32_t, platform::WindowId> torvaWindow;
    const platform::FileSystem* files = nullptr;  // to record the current folder at each start
    uint32_t nextId = 100;
    mutable int checks = 0;  // window searches made

    std::optional<uint32_t> Start(const std::string& commandLine, const std::string& = {}) override {
        started.push_back({commandLine, files ? files->CurrentFolder() : std::string()});
        if (!results.empty()) {
            auto r = results.front();
            results.erase(results.begin());
            return r;
        }
        return nextId++;
    }
    std::optional<uint32_t> WaitForExit(uint32_t) override { return 0; }
    std::map<uint32_t, uint32_t> exitCodes;  // processes that have ended, with their codes
    std::optional<uint32_t> ExitCodeIfEnded(uint32_t pid) const override {
        const auto code = exitCodes.find(pid);
        if (code == exitCodes.end()) return std::nullopt;
        return code->second;
    }
    // A process ends when the test takes away its window or its windowless run.
    bool HasEnded(uint32_t pid) const override {
        return withWindow.count(pid) == 0 && windowless.count(pid) == 0;
    }
    platform::WindowSearch FindVisibleWindow(uint32_t pid) const override {
        return Search(pid, visibleWindow, false);
    }
    platform::WindowSearch FindTorvaTitleWindow(uint32_t pid) const override {
        return Search(pid, torvaWindow, true);
    }
    uint32_t CurrentProcessId() const override { return 1; }

  private:
    platform::WindowSearch Search(uint32_t pid, const std::map<uint32_t, platform::WindowId>& windows,
                                  bool titled) const {
        ++checks;
        platform::WindowSearch s;
        s.found = withWindow.count(pid) != 0;
        const auto left = windowForChecks.find(pid);
        if (left != windowForChecks.end() && left->second > 0) {
            --left->second;
            s.found = true;
        }
        const auto window = windows.find(pid);
        if (s.found && window != windows.end()) {
            s.titled = titled;
            s.window = window->second;
        }
        return s;
    }
};

}  // namespace torva::testing
