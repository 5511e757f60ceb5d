#include "editor/dialogs/program_dialog.h"

#include "common/utf8.h"
#include "editor/dialogs/path_field_check.h"

namespace torva::editor::dialogs {

const ProgramDialogTraits& TraitsOf(ProgramDialogKind kind) {
    static const ProgramDialogTraits kStartEnd{
        "【始動・終了プログラム設定】", 14, true, 930, 931, 937, 938, 939, 738, 830, 839};
    static const ProgramDialogTraits kPageStart{
        "【ページ始動プログラム設定】", 32, false, 810, 811, 617, 818, 619, 618, 616, 819};
    return kind == ProgramDialogKind::StartEnd ? kStartEnd : kPageStart;
}

ProgramDialogModel::ProgramDialogModel(ProgramDialogKind kind, const definition::MenuDefinition& def,
                                       int page)
    : kind_(kind), page_(page) {
    const auto& first = kind == ProgramDialogKind::StartEnd ? def.startPrograms : def.Page(page).pageStarts;
    for (std::size_t entry = 0; entry < definition::kEntryCount; ++entry) {
        // The base is worked out again by OK.
        copies_[0][entry] = {first[entry].program, first[entry].arguments, first[entry].waitMode, 0};
        if (kind == ProgramDialogKind::StartEnd) {
            const definition::ProgramEntry& end = def.endPrograms[entry];
            copies_[1][entry] = {end.program, end.arguments, end.waitMode, 0};
        }
    }
}

ProgramTabBoxes ProgramDialogModel::BoxesOf(int tab) const {
    ProgramTabBoxes boxes;
    for (std::size_t entry = 0; entry < boxes.size(); ++entry) {
        const definition::ProgramEntry& copy = copies_.at(static_cast<std::size_t>(tab))[entry];
        boxes[entry] = {copy.program, copy.arguments, copy.waitMode <= 1 ? copy.waitMode : -1};
    }
    return boxes;
}

void ProgramDialogModel::SaveShownTab(const ProgramTabBoxes& boxes) {
    auto& copies = copies_[static_cast<std::size_t>(shownTab_)];
    for (std::size_t entry = 0; entry < copies.size(); ++entry) {
        copies[entry].program = TrimBlanks(boxes[entry].program);
        copies[entry].arguments = boxes[entry].arguments;
        copies[entry].waitMode = boxes[entry].waitOption == 0 ? 0 : 1;
    }
}

bool ProgramDialogModel::SwitchTab(int tab, const ProgramTabBoxes& boxes) {
    if (tab == shownTab_ || tab < 0 || tab > 1) return false;
    if (tab == 1 && !TraitsOf(kind_).showsEndTab) return false;
    SaveShownTab(boxes);
    shownTab_ = tab;
    return true;
}

void ProgramDialogModel::SetBrowsedProgram(int entry, std::string path) {
    if (entry < 0 || entry >= definition::kEntryCount) return;
    copies_[static_cast<std::size_t>(shownTab_)][static_cast<std::size_t>(entry)].program = std::move(path);
}

ProgramCheckResult ProgramDialogModel::Check(const definition::SearchFolders& folders,
                                             const platform::FileSystem& files) const {
    ProgramCheckResult result;
    for (int tab = 0; tab < 2; ++tab) {
        for (int entry = 0; entry < definition::kEntryCount; ++entry) {
            const definition::ProgramEntry& copy =
                copies_[static_cast<std::size_t>(tab)][static_cast<std::size_t>(entry)];
            const PathFieldResult check = CheckPathField(copy.program, PathField::Program, folders, files);
            if (!check.passed) result.failures.push_back({check.message, tab, entry});
            result.bases[static_cast<std::size_t>(tab)][static_cast<std::size_t>(entry)] = check.base;
        }
    }
    return result;
}

void ProgramDialogModel::Store(definition::MenuDefinition& def, const ProgramCheckResult& checks) const {
    auto write = [&](std::array<definition::ProgramEntry, definition::kEntryCount>& target, int tab) {
        for (std::size_t entry = 0; entry < target.size(); ++entry) {
            target[entry] = copies_[static_cast<std::size_t>(tab)][entry];
            target[entry].pathBase = checks.bases[static_cast<std::size_t>(tab)][entry];
        }
    };
    if (kind_ == ProgramDialogKind::StartEnd) {
        write(def.startPrograms, 0);
        write(def.endPrograms, 1);
    } else {
        definition::MenuPage& page = def.Page(page_);
        write(page.pageStarts, 0);
        // Only pages marked in use are written; a page whose only content is a page start program
        // would otherwise lose it on the next save.
        if (page.pageStarts[0].used() || page.pageStarts[1].used()) page.defined = true;
    }
}

}  // namespace torva::editor::dialogs
