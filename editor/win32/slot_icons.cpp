#include "editor/win32/slot_icons.h"

#include "common/utf8.h"
#include "editor/button_icon.h"
#include "editor/location_codes.h"
#include "editor/win32/win_api.h"
#include "menuview/win32/icon_file.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

const menuview::win32::IconFile& EditorSlotIcons::OpenFiles::Open(const std::string& path) const {
    auto it = files.find(path);
    if (it == files.end()) it = files.emplace(path, menuview::win32::IconFile(path)).first;
    return it->second;
}

int EditorSlotIcons::OpenFiles::IconCount(const std::string& path) const {
    return path.empty() ? 0 : Open(path).Count();
}

HICON EditorSlotIcons::Icon(int page, int button, const std::string& source, bool small) {
    ErrorLocation here(store_.error(), location::kIconRefresh);
    const uint8_t base = store_.model().Page(page).Button(button).iconBase;
    Images& images = slots_[{page, button}];
    if (images.source != source || images.base != base ||
        images.definitionFolder != store_.definitionFolder()) {
        images = Images{};
        images.source = source;
        images.base = base;
        images.definitionFolder = store_.definitionFolder();
        images.pick = ResolveButtonIcon(source, base, store_.folders(), files_, open_,
                                        store_.at(definition::kLocationExtension));
    }
    // Each size is made when a page first shows it (the small one only in the small-icon mode).
    Image& image = small ? images.small : images.large;
    if (!image.made && images.pick) {
        image.made = true;
        image.icon = Extract(*images.pick, small);
    }
    return image.icon ? image.icon->get() : nullptr;
}

EditorSlotIcons::SharedIcon EditorSlotIcons::Extract(const IconPick& pick, bool small) {
    ImageKey key{UpperLetters(pick.file), pick.number, small};
    std::weak_ptr<const torva::win32::UniqueIcon>& entry = shared_[key];
    if (SharedIcon held = entry.lock()) return held;
    torva::win32::UniqueIcon icon;
    if (pick.number >= 0) {
        // Numbered as the system's extraction numbers them, from the file read for the count.
        icon = open_.Open(pick.file).Extract(pick.number, small);
    } else {
        // A negative number names a resource id, which only the system's extraction takes.
        HICON made = nullptr;
        ExtractIconExW(torva::win32::Wide(pick.file).c_str(), pick.number, small ? nullptr : &made,
                       small ? &made : nullptr, 1);
        icon.reset(made);
    }
    if (!icon) return nullptr;
    auto held = std::make_shared<const torva::win32::UniqueIcon>(std::move(icon));
    entry = held;
    return held;
}

void EditorSlotIcons::PageDone() {
    open_.files.clear();
    // Images no slot holds any more leave their entries behind.
    std::erase_if(shared_, [](const auto& entry) { return entry.second.expired(); });
}

HICON EditorSlotIcons::KeyMark(int button) {
    if (button < 1 || button > menuview::win32::kKeyMarkCount) return nullptr;
    auto it = keyMarks_.find(button);
    if (it == keyMarks_.end()) {
        it = keyMarks_
                 .emplace(button,
                          open_.Open(keyMarkFile_).Extract(menuview::win32::KeyMarkIndex(button), false))
                 .first;
    }
    return it->second.get();
}

}  // namespace torva::editor::win32
