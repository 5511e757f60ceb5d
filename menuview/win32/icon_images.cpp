#include "menuview/win32/icon_images.h"

#include "common/path.h"
#include "common/utf8.h"
#include "menuview/button_face.h"
#include "menuview/win32/gdi_api.h"
#include "platform/win32/wide.h"

namespace torva::menuview::win32 {

HICON IconImages::Icon(int /*page*/, int /*button*/, const std::string& source, bool small) {
    const IconSource parsed = ParseIconSource(source);
    if (parsed.file.empty()) return nullptr;
    // Windows file names ignore case: one image per file, whatever case each button wrote.
    Key key{UpperLetters(parsed.file), parsed.index, small};
    auto it = images_.find(key);
    if (it != images_.end()) return it->second.get();
    auto file = files_.find(std::get<0>(key));
    if (file == files_.end()) file = files_.emplace(std::get<0>(key), IconFile(parsed.file)).first;
    torva::win32::UniqueIcon image;
    if (file->second.Count() > 0) {
        image = file->second.Extract(EffectiveIconIndex(parsed.index, file->second.Count()), small);
    } else if (LaunchExtension(parsed.file) == "CUR") {
        // Cursor files hold no icon resource but draw as one.
        const int size = small ? 16 : 32;
        image.reset(static_cast<HICON>(LoadImageW(nullptr, torva::win32::Wide(parsed.file).c_str(),
                                                  IMAGE_CURSOR, size, size, LR_LOADFROMFILE)));
    }
    return images_.emplace(std::move(key), std::move(image)).first->second.get();
}

void IconImages::Adopt(IconImages&& other) {
    images_.merge(other.images_);
    other.images_.clear();
}

KeyMarks::KeyMarks(const std::string& programFile) {
    const IconFile file(programFile);
    for (int button = 1; button <= kKeyMarkCount; ++button) {
        if (auto mark = file.Extract(KeyMarkIndex(button), false)) marks_.emplace(button, std::move(mark));
    }
}

HICON KeyMarks::Mark(int button) const {
    const auto it = marks_.find(button);
    return it == marks_.end() ? nullptr : it->second.get();
}

}  // namespace torva::menuview::win32
