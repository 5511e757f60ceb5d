#pragma once
// The launch journal's Windows side, kept thin: the portable journal does the rest.

#include <string>

#include "journal/launch_journal.h"
#include "platform/win32/registry.h"

namespace torva::win32 {

// Appends the line with one WriteFile on a handle opened for appending only, so lines of several
// programs writing at once never mix (writers of one session also take turns, for file systems that
// do not keep appends whole). The file is opened and closed for every line, sharing reading,
// writing and deleting, so nobody is kept out of it for longer than that write. A file another
// program holds shut gets two more attempts a few milliseconds apart; every other failure (read-only,
// missing folder, no rights) is given up at once.
bool AppendJournalLine(const std::string& path, const std::string& line);

class Win32JournalEnvironment final : public journal::JournalEnvironment {
  public:
    std::string PolicyPath() override;
    bool AppendLine(const std::string& path, const std::string& line) override;
    std::string ComputerName() const override;
    std::string UserName() const override;
    std::int64_t UtcNowMs() const override;
    std::int64_t SteadyNowMs() const override;
    std::uint32_t ProcessId() const override;

  private:
    Win32Registry registry_;
};

}  // namespace torva::win32
