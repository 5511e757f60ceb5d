#include "definition/path_check.h"

#include "common/path.h"
#include "common/utf8.h"

namespace torva::definition {

const std::string& SearchFolders::Folder(int base) const {
    static const std::string kNone;
    switch (base) {
        case 1:
            return definitionFolder;
        case 2:
            return programFolder;
        case 3:
            return windowsFolder;
        case 4:
            return systemFolder;
        default:
            return kNone;
    }
}

uint8_t findBase(std::string_view path, const SearchFolders& folders, const platform::FileSystem& files) {
    std::string candidate;
    return findBase(path, folders, files, candidate);
}

uint8_t findBase(std::string_view path, const SearchFolders& folders, const platform::FileSystem& files,
                 std::string& candidate) {
    for (int base = 1; base <= 4; ++base) {
        const std::string& folder = folders.Folder(base);
        if (folder.empty()) continue;
        AssignJoinedPath(candidate, folder, path);
        if (files.Exists(candidate)) return static_cast<uint8_t>(base);
    }
    return 0;
}

std::string absolutePath(std::string_view path, int base, const SearchFolders& folders) {
    if (base == 0) return std::string(path);
    if (base < 1 || base > 4) return {};
    return JoinPath(folders.Folder(base), path);
}

bool SamePath(std::string_view a, std::string_view b) {
    return UpperLetters(a) == UpperLetters(b);
}

PathCheck checkPath(std::string_view text, bool allowAddress, const SearchFolders& folders,
                    const platform::FileSystem& files) {
    std::string buffer;
    return checkPath(text, allowAddress, folders, files, buffer);
}

PathCheck checkPath(std::string_view text, bool allowAddress, const SearchFolders& folders,
                    const platform::FileSystem& files, std::string& buffer) {
    PathCheck result;
    if (text.empty()) return result;
    const std::size_t firstLength = Utf8SequenceLength(text, 0);
    const bool single = firstLength == text.size();
    if (single && (text == "\\" || text == ":")) return result;
    const bool drive = text.size() > firstLength && text[firstLength] == ':';
    const bool network = text.starts_with("\\\\");
    if (!single && (drive || network)) {
        // Two characters (a drive, or two backslashes) name no file; counted without walking the path.
        if (firstLength + Utf8SequenceLength(text, firstLength) == text.size()) return result;
        buffer.assign(text);
        result.status = files.Exists(buffer) ? PathStatus::Absolute : PathStatus::NotFound;
        return result;
    }
    if (text[0] == '\\') {
        result.status = PathStatus::NotAllowed;
        return result;
    }
    if (allowAddress && IsAddress(text)) {
        result.status = PathStatus::Address;
        return result;
    }
    const uint8_t base = findBase(text, folders, files, buffer);
    if (base == 0) {
        result.status = PathStatus::NotFound;
        return result;
    }
    result.status = PathStatus::Relative;
    result.base = base;
    result.folder = folders.Folder(base);
    return result;
}

}  // namespace torva::definition
