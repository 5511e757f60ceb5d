#pragma once
// The menu window's saved position between runs. It is kept in the program folder's Torva.ini, as it
// always was; a user who cannot write there (the programs installed in a folder only administrators
// may change) keeps it in a copy of their own instead, so that the position still comes back.

#include <string>

#include "platform/files.h"
#include "platform/registry.h"

namespace torva::runtime {

struct PositionFiles {
    std::string shared;     // the program folder's Torva.ini
    std::string ownFolder;  // the user's own folder for it; empty when the user has none
    std::string Own() const;
};

// The position files of a program folder and of the user's local application data folder.
PositionFiles PositionFilesFor(const std::string& programFolder, const std::string& localAppData);

struct SavedPosition {
    int left = -1;  // twips; -1 when nothing was saved
    int top = -1;
};

// The user's own copy once it holds a position (it is only written when the shared file could not
// be), else the shared file.
SavedPosition ReadSavedPosition(const platform::IniFile& ini, const PositionFiles& files);

// Writes where the position was read from; falls back to the user's own copy, making its folder, when
// the shared file cannot be written. False when neither could be written.
bool SavePosition(platform::IniFile& ini, platform::FileSystem& fs, const PositionFiles& files,
                  SavedPosition position);

}  // namespace torva::runtime
