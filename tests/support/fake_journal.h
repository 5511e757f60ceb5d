#pragma once
// The journal environment of every unit test: a policy path, the appended lines, a clock the test
// moves, and appends that can be made to fail.

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "journal/launch_journal.h"

namespace torva::testing {

class FakeJournalEnvironment : public journal::JournalEnvironment {
  public:
    std::string policyPath = "C:\\LOGS\\launch.jsonl";
    bool failAppends = false;
    std::vector<std::string> appended;  // every line written, in order, with the path before it
    std::int64_t utcMs = 1796725397000;
    std::int64_t steadyMs = 5000;

    std::string PolicyPath() override { return policyPath; }
    bool AppendLine(const std::string& path, const std::string& line) override {
        if (failAppends) return false;
        appended.push_back(path + "|" + line);
        return true;
    }
    std::string ComputerName() const override { return "DESK-7"; }
    std::string UserName() const override { return "hanako"; }
    std::int64_t UtcNowMs() const override { return utcMs; }
    std::int64_t SteadyNowMs() const override { return steadyMs; }
    std::uint32_t ProcessId() const override { return 0x1a2b; }

    void Advance(std::int64_t ms) {
        utcMs += ms;
        steadyMs += ms;
    }
    // The written lines as JSON, without their path.
    std::vector<nlohmann::json> Lines() const {
        std::vector<nlohmann::json> lines;
        for (const std::string& a : appended)
            lines.push_back(nlohmann::json::parse(a.substr(a.find('|') + 1)));
        return lines;
    }
};

}  // namespace torva::testing
