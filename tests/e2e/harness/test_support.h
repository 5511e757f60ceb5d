#pragma once
// Small tools that end-to-end tests share: scratch folders, files, and registry keys they create.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/probe/probe_log.h"

namespace torva::e2e {

// A new empty folder under the temporary folder, removed with its content when destroyed.
class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix = "torva");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Path() + "\" + name.
    std::string File(const std::string& name) const;

  private:
    std::string path_;
};

bool WriteBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadBytes(const std::string& path);
// UTF-8 lines, each ended by CR LF, written in the ANSI code page, as definitions and scripts are.
bool WriteAnsiLines(const std::string& path, const std::vector<std::string>& lines);
bool CopyFileTo(const std::string& from, const std::string& to);
bool FileExists(const std::string& path);
// The Windows and System folders, as the system gives them (no "\" at the end).
std::string WindowsFolder();
std::string SystemFolder();
// Removes a folder and everything below it.
void RemoveTree(const std::string& path);

// The records of a probe log; none while there is no log.
std::vector<probe::ProbeRecord> ReadProbeRecords(const std::string& logPath);
// The records that have arg among their arguments.
std::vector<probe::ProbeRecord> RecordsWithArg(const std::vector<probe::ProbeRecord>& records,
                                               const std::string& arg);

class Process;
// Ends a menu or editor whose opener stand-in writes to probeLog, once the opener's registration
// of the file types has run (for ten seconds at most). The programs start it after their first
// page is on screen; under Wine a process whose maker is ended while it creates it is left half
// made for good, holding the test's output open so that the suite never ends.
void EndAfterRegistration(Process& program, const std::string& probeLog);

// Registry access for checks: the default value when name is empty; nothing when the key or
// value is missing or not a string.
std::optional<std::string> ReadRegistryString(HKEY root, const std::string& path,
                                              const std::string& name = {});
bool WriteRegistryString(HKEY root, const std::string& path, const std::string& name,
                         const std::string& value);
bool RegistryKeyExists(HKEY root, const std::string& path);
// Deletes a key and its subkeys; true when it is gone afterwards.
bool DeleteRegistryTree(HKEY root, const std::string& path);

// Deletes the named key tree on construction and again on destruction, so a test starts from and
// leaves behind a prefix without it.
class ScopedRegistryCleanup {
  public:
    ScopedRegistryCleanup(HKEY root, std::string path);
    ~ScopedRegistryCleanup();
    ScopedRegistryCleanup(const ScopedRegistryCleanup&) = delete;
    ScopedRegistryCleanup& operator=(const ScopedRegistryCleanup&) = delete;

  private:
    HKEY root_;
    std::string path_;
};

}  // namespace torva::e2e
