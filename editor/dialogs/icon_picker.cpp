#include "editor/dialogs/icon_picker.h"

#include <cmath>
#include <limits>

#include "common/number.h"
#include "common/path.h"
#include "common/utf8.h"
#include "definition/text_helpers.h"

namespace torva::editor::dialogs {

namespace {

bool IsLibrary(std::string_view extension) {
    return extension == "EXE" || extension == "DLL" || extension == "OCX";
}

bool IsIconKind(std::string_view extension) {
    return IsLibrary(extension) || extension == "ICO" || extension == "CUR";
}

// The number after "|" of an icon source; a number beyond any icon index reads as 0.
int IndexNumber(std::string_view text) {
    const double value = LeadingNumber(text);
    if (std::fabs(value) > std::numeric_limits<int32_t>::max()) return 0;
    return static_cast<int>(value);
}

}  // namespace

void IconPicker::Reset() {
    file_.clear();
    fileBase_ = 0;
    count_ = 0;
    selected_ = 0;
    cursor_ = 0;
    firstVisible_ = 0;
}

bool IconPicker::Locate(std::string_view text, uint8_t preferredBase,
                        const definition::SearchFolders& folders, const platform::FileSystem& files,
                        Found& found) const {
    if (text.empty()) return false;
    const std::size_t firstLength = Utf8SequenceLength(text, 0);
    const bool single = firstLength == text.size();
    if (single && (text == "\\" || text == ":")) return false;
    const bool drive = !single && text[firstLength] == ':';
    const bool network = text.starts_with("\\\\");
    if (!single && (drive || network)) {
        if (CharCount(text) == 2 || !files.Exists(std::string(text))) return false;
        found.path = std::string(text);
        found.base = 0;
    } else if (text[0] == '\\') {
        return false;
    } else {
        const uint8_t first = definition::findBase(text, folders, files);
        if (first == 0) return false;
        const std::string& own = folders.Folder(preferredBase);
        const bool ownHolds = !own.empty() && files.Exists(JoinPath(own, text));
        found.base = ownHolds ? preferredBase : first;
        found.path = definition::absolutePath(text, found.base, folders);
    }
    found.extension = definition::fileExtension(text, extensionStep_);
    return IsIconKind(found.extension);
}

IconLoad IconPicker::CountAndLoad(const Found& found, const IconFiles& icons) {
    IconLoad load;
    load.changed = true;
    count_ = IsLibrary(found.extension) ? icons.IconCount(found.path) : 1;
    if (count_ <= 0) {
        count_ = 0;
        return load;
    }
    load.path = found.path;
    load.count = count_;
    return load;
}

IconLoad IconPicker::Open(std::string_view source, uint8_t base, const definition::SearchFolders& folders,
                          const platform::FileSystem& files, const IconFiles& icons) {
    Reset();
    IconLoad load;
    load.changed = true;
    if (source.empty()) return load;
    std::string_view filePart = source;
    if (const std::size_t bar = source.find('|'); bar != std::string_view::npos) {
        filePart = source.substr(0, bar);
        if (bar + 1 < source.size()) selected_ = IndexNumber(source.substr(bar + 1));
    }
    file_ = std::string(filePart);
    fileBase_ = base;
    Found found;
    if (Locate(file_, base, folders, files, found)) {
        load = CountAndLoad(found, icons);
        if (IsLibrary(found.extension) && selected_ >= count_) selected_ = 0;
    }
    ShowSelection();
    return load;
}

void IconPicker::ShowSelection() {
    if (selected_ > kIconCells - 1) firstVisible_ = selected_ - (kIconCells - 1);
    if (selected_ > 0) cursor_ = selected_;
}

IconLoad IconPicker::Load(std::string_view text, const definition::SearchFolders& folders,
                          const platform::FileSystem& files, const IconFiles& icons) {
    if (text == file_) return {};
    Reset();
    file_ = std::string(text);
    Found found;
    if (!Locate(file_, 0, folders, files, found)) {
        IconLoad load;
        load.changed = true;
        return load;
    }
    fileBase_ = found.base;
    return CountAndLoad(found, icons);
}

std::array<IconCell, kIconCells> IconPicker::Cells() const {
    std::array<IconCell, kIconCells> cells{};
    for (int k = 0; k < kIconCells; ++k) {
        const int index = firstVisible_ + k;
        if (index >= count_) break;
        cells[static_cast<std::size_t>(k)] = {index, index == cursor_ && index == selected_};
    }
    return cells;
}

bool IconPicker::Scroll(int pos) {
    if (pos == cursor_) return false;
    if (cursor_ == selected_) selected_ = pos;
    cursor_ = pos;
    if (cursor_ < firstVisible_) firstVisible_ = cursor_;
    if (cursor_ > firstVisible_ + kIconCells - 1) firstVisible_ = cursor_ - (kIconCells - 1);
    return true;
}

bool IconPicker::Click(int cell) {
    if (cell < 0 || cell >= kIconCells) return false;
    const int index = firstVisible_ + cell;
    if (index >= count_) return false;
    cursor_ = index;
    selected_ = index;
    return true;
}

std::string IconPicker::StoredSource(std::string_view fileText) const {
    std::string source(fileText);
    if (selected_ != 0) source += "|" + std::to_string(selected_);
    return source;
}

}  // namespace torva::editor::dialogs
