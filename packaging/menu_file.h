#pragma once
// The MENUFILE property of the installer: a definition the administrator hands over to become the
// program folder's TORVA.TVX on a fresh install. It is read where the administrator's paths are
// valid, passed on as bytes (what was checked is exactly what gets written), checked with the
// runtime's rules against the installed program folder, and written only where no menu exists.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace torva::packaging {

inline constexpr std::string_view kMenuFileName = "TORVA.TVX";

// MENUFILE as given; a relative text is taken from the folder of the installer package, which is
// where an administrator keeps the menu beside the .msi on a share.
std::string ResolveMenuFilePath(std::string_view menuFile, std::string_view packageFolder);

// What the immediate step hands to the deferred ones: the program folder (no trailing "\"), the
// path the definition was read from (for the messages) and its bytes, in one text. Neither path can
// hold "|", which Windows refuses in file names.
struct MenuFileData {
    std::string programFolder;
    std::string source;
    std::string bytes;

    bool operator==(const MenuFileData&) const = default;
};
std::string EncodeMenuFileData(const MenuFileData& data);
std::optional<MenuFileData> DecodeMenuFileData(std::string_view text);

// The program folder's definition path.
std::string MenuFilePath(std::string_view programFolder);

struct MenuFileVerdict {
    // The runtime would start on it: nothing stopped the reading ("[NCHK]" passes failures over).
    bool accepted = false;
    // One line per failure in the form Tvtool check prints ("ErrorNo = rule : message : detail"),
    // passed-over ones included, and the report of an unexpected failure.
    std::vector<std::string> lines;
};

// Reads the bytes as the runtime reads programFolder\TORVA.TVX: definition folder and program folder
// are the program folder.
MenuFileVerdict CheckMenuFile(std::string_view bytes, const std::string& programFolder,
                              const std::string& windowsFolder, const std::string& systemFolder,
                              const platform::FileSystem& files);

}  // namespace torva::packaging
