#include "editor/dialogs/path_field_check.h"

#include "common/utf8.h"

namespace torva::editor::dialogs {

namespace {

struct Messages {
    std::string_view wrong;
    std::string_view missing;
};

Messages MessagesOf(PathField kind) {
    switch (kind) {
        case PathField::Program:
            return {kWrongProgram, kMissingProgram};
        case PathField::IconFile:
            return {kWrongIconFile, kMissingIconFile};
        case PathField::Picture:
            break;
    }
    return {kWrongPicture, kMissingPicture};
}

}  // namespace

PathFieldResult CheckPathField(std::string_view text, PathField kind,
                               const definition::SearchFolders& folders, const platform::FileSystem& files) {
    PathFieldResult result;
    if (text.empty()) return result;
    const Messages messages = MessagesOf(kind);
    const definition::PathCheck check =
        definition::checkPath(text, kind == PathField::Program, folders, files);
    switch (check.status) {
        case definition::PathStatus::Empty:
        case definition::PathStatus::NotAllowed:
            // The reader's "nothing to store" for a non-empty text is a root or a bare drive.
            result.passed = false;
            result.message = messages.wrong;
            return result;
        case definition::PathStatus::NotFound:
            result.passed = false;
            result.message = messages.missing;
            return result;
        case definition::PathStatus::Relative:
            result.base = check.base;
            return result;
        case definition::PathStatus::Absolute:
        case definition::PathStatus::Address:
            return result;
    }
    return result;
}

std::string CheckWorkFolder(std::string_view text, const platform::FileSystem& files) {
    if (CharCount(text) <= 1) return {};
    if (files.IsFolder(std::string(text))) return {};
    return std::string(kWrongWorkFolder);
}

}  // namespace torva::editor::dialogs
