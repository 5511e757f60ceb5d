#include "editor/button_icon.h"

#include "common/number.h"
#include "common/path.h"
#include "common/utf8.h"
#include "definition/text_helpers.h"

namespace torva::editor {

std::optional<IconPick> ResolveButtonIcon(std::string_view iconSource, uint8_t iconBase,
                                          const definition::SearchFolders& folders,
                                          const platform::FileSystem& files, const IconFiles& icons,
                                          const StepLocation& extensionStep) {
    using definition::PathStatus;
    const std::string source = TrimBlanks(iconSource);
    if (source.empty()) return std::nullopt;
    const std::size_t bar = source.find('|');
    const std::string file = source.substr(0, bar);
    double number = 0;
    if (bar != std::string::npos && bar + 1 < source.size()) number = LeadingNumber(source.substr(bar + 1));

    const definition::PathCheck check = definition::checkPath(file, false, folders, files);
    std::string absolute;
    switch (check.status) {
        case PathStatus::Absolute:
            absolute = file;
            break;
        case PathStatus::Relative: {
            // The base the editor keeps wins while the file is still there; otherwise the folder the
            // search found, so that an icon never comes from the current folder by chance.
            const std::string kept = definition::absolutePath(file, iconBase, folders);
            absolute =
                iconBase != 0 && !kept.empty() && files.Exists(kept) ? kept : JoinPath(check.folder, file);
            break;
        }
        default:
            return std::nullopt;
    }
    const std::string extension = definition::fileExtension(file, extensionStep);
    const bool library = extension == "EXE" || extension == "DLL" || extension == "OCX";
    if (!library && extension != "ICO" && extension != "CUR") return std::nullopt;
    if (files.IsFolder(absolute)) return std::nullopt;
    const int count = icons.IconCount(absolute);
    if (count <= 0) return std::nullopt;
    IconPick pick{absolute, 0};
    if (library && number < count && number >= -2147483647.0) pick.number = static_cast<int>(number);
    return pick;
}

}  // namespace torva::editor
