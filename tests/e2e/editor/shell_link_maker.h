#pragma once
// Shortcuts saved through the shell's own link object (IShellLinkW + IPersistFile), as Explorer makes
// them, so that the reader is proven against what the system writes.

#include <string>

namespace torva::e2e {

struct ShortcutSpec {
    std::string target;
    std::string iconFile;  // empty: no icon location
    int iconIndex = 0;
    std::string arguments;
    std::string workFolder;
};

// Saves the shortcut at path; false when the shell refused.
bool SaveShortcut(const std::string& path, const ShortcutSpec& wanted);

}  // namespace torva::e2e
