#pragma once
// What a packaging test needs besides the harness: msiexec runs, facts about an .msi and about the
// installed products, shortcuts, file versions and a console program's output.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/process.h"

namespace torva::e2e {

// Runs msiexec with the arguments and a verbose log; its exit code (nothing when it did not end).
struct MsiexecRun {
    std::optional<DWORD> exitCode;
    std::string log;  // the log's bytes (ANSI)
};
MsiexecRun RunMsiexec(const std::string& arguments, const std::string& logPath);

// A value of the Property table of an .msi; empty when missing.
std::string PackageProperty(const std::string& msiPath, const std::string& name);

// Installed products of the upgrade code with their versions, as the installer keeps them.
struct InstalledProduct {
    std::string productCode;
    std::string version;
};
std::vector<InstalledProduct> RelatedProducts(const std::string& upgradeCode);

// The target path of a shortcut (.lnk); nothing when it cannot be read.
std::optional<std::string> ShortcutTarget(const std::string& linkPath);

// "a.b.c.d" of a program's version resource; empty when it has none.
std::string FileVersion(const std::string& path);

// A shell folder (CSIDL_*), without a trailing "\".
std::string ShellFolder(int csidl);

// The files and folders below a folder, as paths relative to it, folders with a trailing "\"
// ("TvsetupHelp\", "TvsetupHelp\index.html"), sorted.
std::vector<std::string> FilesBelow(const std::string& folder);

}  // namespace torva::e2e
