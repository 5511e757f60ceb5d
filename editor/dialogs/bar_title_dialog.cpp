#include "editor/dialogs/bar_title_dialog.h"

#include "common/utf8.h"
#include "editor/dialogs/path_field_check.h"

namespace torva::editor::dialogs {

BarTitleDialogModel::BarTitleDialogModel(const definition::MenuDefinition& def, int pageNumber)
    : page(pageNumber) {
    const definition::MenuPage& shown = def.Page(pageNumber);
    text = shown.barTitle.text;
    picture = shown.barTitle.picture;
    colour = shown.barTitle.backColour;
    waitMode = shown.pageWaitMode <= definition::kMaxButtonWaitMode ? shown.pageWaitMode : 0;
    commonBackground = pageNumber == 1 && def.commonBackground;
}

std::optional<std::string> BarTitleDialogModel::PreviewPath(const definition::SearchFolders& folders,
                                                            const platform::FileSystem& files) const {
    const std::string trimmed = TrimBlanks(picture);
    if (trimmed.empty()) return std::nullopt;
    const PathFieldResult check = CheckPathField(trimmed, PathField::Picture, folders, files);
    if (!check.passed) return std::nullopt;
    return definition::absolutePath(trimmed, check.base, folders);
}

BarCheckResult BarTitleDialogModel::Check(const definition::SearchFolders& folders,
                                          const platform::FileSystem& files) const {
    BarCheckResult result;
    result.picture = TrimBlanks(picture);
    const PathFieldResult check = CheckPathField(result.picture, PathField::Picture, folders, files);
    if (!check.passed) result.failures.push_back({check.message, kBarPictureTab});
    result.pictureBase = check.base;
    return result;
}

void BarTitleDialogModel::Store(definition::MenuDefinition& def, const BarCheckResult& checks) const {
    definition::MenuPage& target = def.Page(page);
    target.barTitle.text = text;
    target.barTitle.picture = checks.picture;
    if (checks.picture.empty()) {
        target.barTitle.pathBase = 0;
        target.barTitle.backColour = colour;
    } else {
        target.barTitle.pathBase = checks.pictureBase;
        target.barTitle.backColour = definition::kDefaultBackColour;
    }
    target.pageWaitMode =
        static_cast<uint8_t>(waitMode >= 0 && waitMode <= definition::kMaxButtonWaitMode ? waitMode : 0);
    if (page == 1) def.commonBackground = commonBackground;
}

}  // namespace torva::editor::dialogs
