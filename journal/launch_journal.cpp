#include "journal/launch_journal.h"

#include <algorithm>
#include <cstdio>

namespace torva::journal {

namespace {

bool IsBlank(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c == ' ' || c == '\t'; });
}

std::string PolicyValue(platform::Registry& registry, platform::RegistryRoot root) {
    const auto key = registry.Open(root, kJournalPolicyKey, false);
    if (!key) return {};
    const auto value = key->GetString(kJournalPolicyValue);
    if (!value || IsBlank(*value)) return {};
    return *value;
}

}  // namespace

std::string JournalPolicyPath(platform::Registry& registry) {
    std::string path = PolicyValue(registry, platform::RegistryRoot::LocalMachine);
    if (path.empty()) path = PolicyValue(registry, platform::RegistryRoot::CurrentUser);
    return path;
}

LaunchJournal::LaunchJournal(JournalEnvironment& environment, std::string program)
    : environment_(environment), program_(std::move(program)) {}

const JournalOrigin& LaunchJournal::Origin() {
    if (!origin_) {
        origin_ = JournalOrigin{environment_.ComputerName(), environment_.UserName(), program_};
        // Process id and the moment of the first line tell this run apart from every other run
        // writing to the same journal; the sequence number tells its starts apart.
        char prefix[48];
        std::snprintf(prefix, sizeof prefix, "%x-%llx-", static_cast<unsigned>(environment_.ProcessId()),
                      static_cast<unsigned long long>(environment_.UtcNowMs()));
        idPrefix_ = prefix;
    }
    return *origin_;
}

void LaunchJournal::Write(const std::string& path, const std::string& line) {
    if (!environment_.AppendLine(path, line)) ++failedWrites_;
}

void LaunchJournal::Started(StartRecord record) noexcept {
    try {
        WriteStart(std::move(record));
    } catch (...) {
        ++failedWrites_;  // out of memory at worst; the start goes on regardless
    }
}

void LaunchJournal::Ended(std::uint32_t processId, std::optional<std::int64_t> exitCode) noexcept {
    try {
        WriteEnd(processId, exitCode);
    } catch (...) {
        ++failedWrites_;
    }
}

void LaunchJournal::WriteStart(StartRecord record) {
    const std::string path = environment_.PolicyPath();
    if (path.empty()) return;
    const JournalOrigin& origin = Origin();
    record.id = idPrefix_ + std::to_string(++sequence_);
    record.timeMs = environment_.UtcNowMs();
    if (record.waited && record.started && record.processId) {
        if (open_.size() >= kMaxOpenStarts) {
            const auto oldest = std::min_element(
                open_.begin(), open_.end(),
                [](const auto& a, const auto& b) { return a.second.order < b.second.order; });
            open_.erase(oldest);
        }
        open_[*record.processId] = Open{
            record.id, environment_.SteadyNowMs(), record.page, record.button, record.caption, sequence_};
    }
    Write(path, StartLine(origin, record));
}

void LaunchJournal::WriteEnd(std::uint32_t processId, std::optional<std::int64_t> exitCode) {
    const auto found = open_.find(processId);
    if (found == open_.end()) return;
    const Open open = std::move(found->second);
    open_.erase(found);
    const std::string path = environment_.PolicyPath();
    if (path.empty()) return;
    EndRecord end;
    end.id = open.id;
    end.timeMs = environment_.UtcNowMs();
    end.page = open.page;
    end.button = open.button;
    end.caption = open.caption;
    end.exitCode = exitCode;
    end.durationMs = std::max<std::int64_t>(0, environment_.SteadyNowMs() - open.steadyStartMs);
    Write(path, EndLine(Origin(), end));
}

}  // namespace torva::journal
