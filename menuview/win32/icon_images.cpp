#include "menuview/win32/icon_images.h"

#include "common/path.h"
#include "common/utf8.h"
#include "menuview/button_face.h"
#include "menuview/win32/gdi_api.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

namespace {

HICON Extract(const IconSource& parsed, bool small) {
    if (parsed.file.empty()) return nullptr;
    const std::wstring file = torva::win32::Wide(parsed.file);
    const UINT count = ExtractIconExW(file.c_str(), -1, nullptr, nullptr, 0);
    if (count == 0 || count == UINT_MAX) {
        // Cursor files hold no icon resource but draw as one.
        if (LaunchExtension(parsed.file) == "CUR") {
            const int size = small ? 16 : 32;
            return static_cast<HICON>(
                LoadImageW(nullptr, file.c_str(), IMAGE_CURSOR, size, size, LR_LOADFROMFILE));
        }
        return nullptr;
    }
    const int index = EffectiveIconIndex(parsed.index, static_cast<int>(count));
    HICON large = nullptr;
    HICON smallIcon = nullptr;
    ExtractIconExW(file.c_str(), index, small ? nullptr : &large, small ? &smallIcon : nullptr, 1);
    return small ? smallIcon : large;
}

}  // namespace

HICON IconImages::Icon(int /*page*/, int /*button*/, const std::string& source, bool small) {
    const IconSource parsed = ParseIconSource(source);
    if (parsed.file.empty()) return nullptr;
    // Windows file names ignore case: one image per file, whatever case each button wrote.
    Key key{UpperLetters(parsed.file), parsed.index, small};
    auto it = images_.find(key);
    if (it == images_.end()) {
        it = images_.emplace(std::move(key), torva::win32::UniqueIcon(Extract(parsed, small))).first;
    }
    return it->second.get();
}

KeyMarks::KeyMarks(const std::string& programFile) {
    const std::wstring file = torva::win32::Wide(programFile);
    // One at a time: the marks are 12 from index 2 (F1..F12) and 12 from index 16 (Shift).
    for (int button = 1; button <= 24; ++button) {
        HICON mark = nullptr;
        ExtractIconExW(file.c_str(), (button <= 12 ? 2 : 16) + (button - 1) % 12, &mark, nullptr, 1);
        if (mark) marks_.emplace(button, torva::win32::UniqueIcon(mark));
    }
}

HICON KeyMarks::Mark(int button) const {
    const auto it = marks_.find(button);
    return it == marks_.end() ? nullptr : it->second.get();
}

}  // namespace torva::menuview::win32
