#pragma once
// The launch journal of a program: when the machine or user policy names a file, every start the
// program performs is appended to it as one line (see journal_line.h). Writing the journal never
// stands in the way of a start: every failure to write is swallowed, and nothing waits on it beyond
// a few attempts at a file another program holds shut.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "journal/journal_line.h"
#include "platform/registry.h"

namespace torva::journal {

inline constexpr const char* kJournalPolicyKey = "Software\\Policies\\Torva";
inline constexpr const char* kJournalPolicyValue = "LaunchJournal";

// The journal file the policy names, or empty when none does. The machine's policy wins over the
// user's: a user cannot move or switch off a journal the administrator set for the machine, and
// where the machine sets none the user's value is taken. A value of blanks alone names no file.
std::string JournalPolicyPath(platform::Registry& registry);

// What the journal needs of the system. The Windows program reads the policy on every line, so a
// policy changed while a menu runs is followed from the next start.
class JournalEnvironment {
  public:
    virtual ~JournalEnvironment() = default;
    virtual std::string PolicyPath() = 0;
    // Appends the whole line in one write; false when it could not be written.
    virtual bool AppendLine(const std::string& path, const std::string& line) = 0;
    virtual std::string ComputerName() const = 0;
    virtual std::string UserName() const = 0;
    virtual std::int64_t UtcNowMs() const = 0;     // milliseconds since 1970, UTC
    virtual std::int64_t SteadyNowMs() const = 0;  // a clock that never goes back, for durations
    virtual std::uint32_t ProcessId() const = 0;
};

// The starts a program has waited on are remembered by process id until their end is written;
// beyond this many the oldest are forgotten (their end line is then missing, never wrong).
inline constexpr std::size_t kMaxOpenStarts = 256;

class LaunchJournal {
  public:
    LaunchJournal(JournalEnvironment& environment, std::string program);
    LaunchJournal(const LaunchJournal&) = delete;
    LaunchJournal& operator=(const LaunchJournal&) = delete;

    // Writes the start line (id and time are set here). A waited program that started is remembered
    // for its end line. Neither call lets anything escape: the start it records has happened.
    void Started(StartRecord record) noexcept;
    // The wait for the process has ended: writes the end line of its start, if one was remembered.
    void Ended(std::uint32_t processId, std::optional<std::int64_t> exitCode) noexcept;
    // Lines that could not be written, for the tests and for a curious debugger.
    std::size_t FailedWrites() const { return failedWrites_; }

  private:
    struct Open {
        std::string id;
        std::int64_t steadyStartMs = 0;
        std::optional<int> page;
        std::optional<int> button;
        std::string caption;
        std::uint64_t order = 0;
    };
    void Write(const std::string& path, const std::string& line);
    void WriteStart(StartRecord record);
    void WriteEnd(std::uint32_t processId, std::optional<std::int64_t> exitCode);
    const JournalOrigin& Origin();

    JournalEnvironment& environment_;
    std::string program_;
    std::optional<JournalOrigin> origin_;
    std::string idPrefix_;
    std::uint64_t sequence_ = 0;
    std::map<std::uint32_t, Open> open_;
    std::size_t failedWrites_ = 0;
};

}  // namespace torva::journal
