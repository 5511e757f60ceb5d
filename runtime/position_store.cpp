#include "runtime/position_store.h"

#include <climits>

#include "common/path.h"

namespace torva::runtime {

namespace {
constexpr const char* kSection = "INIT";
constexpr int kMissing = INT_MIN;

bool HoldsPosition(const platform::IniFile& ini, const std::string& file) {
    return !file.empty() && ini.GetInt(file, kSection, "Xpos", kMissing) != kMissing;
}

bool Write(platform::IniFile& ini, const std::string& file, SavedPosition position) {
    // Both keys are written even when the first fails, so that a half-written pair is rare.
    const bool left = ini.WriteString(file, kSection, "Xpos", std::to_string(position.left));
    const bool top = ini.WriteString(file, kSection, "Ypos", std::to_string(position.top));
    return left && top;
}
}  // namespace

std::string PositionFiles::Own() const {
    return ownFolder.empty() ? std::string() : JoinPath(ownFolder, "Torva.ini");
}

PositionFiles PositionFilesFor(const std::string& programFolder, const std::string& localAppData) {
    PositionFiles files;
    files.shared = programFolder + "\\Torva.ini";
    if (!localAppData.empty()) files.ownFolder = JoinPath(localAppData, "Torva");
    return files;
}

SavedPosition ReadSavedPosition(const platform::IniFile& ini, const PositionFiles& files) {
    const std::string own = files.Own();
    const std::string& from = HoldsPosition(ini, own) ? own : files.shared;
    return {ini.GetInt(from, kSection, "Xpos", -1), ini.GetInt(from, kSection, "Ypos", -1)};
}

bool SavePosition(platform::IniFile& ini, platform::FileSystem& fs, const PositionFiles& files,
                  SavedPosition position) {
    const std::string own = files.Own();
    if (HoldsPosition(ini, own)) return Write(ini, own, position);
    if (Write(ini, files.shared, position)) return true;
    if (own.empty()) return false;
    if (!fs.IsFolder(files.ownFolder) && !fs.CreateFolder(files.ownFolder)) return false;
    return Write(ini, own, position);
}

}  // namespace torva::runtime
