#include "editor/win32/slot_icons.h"

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
        images.large.reset();
        images.small.reset();
        images.source = source;
        images.base = base;
        images.definitionFolder = store_.definitionFolder();
        if (const auto pick = ResolveButtonIcon(source, base, store_.folders(), files_, open_,
                                                store_.at(definition::kLocationExtension))) {
            if (pick->number >= 0) {
                // Both sizes from one reading of the file, numbered as the system's extraction
                // numbers them.
                const menuview::win32::IconFile& file = open_.Open(pick->file);
                images.large = file.Extract(pick->number, false);
                images.small = file.Extract(pick->number, true);
            } else {
                // A negative number names a resource id, which only the system's extraction takes.
                HICON large = nullptr;
                HICON smallIcon = nullptr;
                ExtractIconExW(torva::win32::Wide(pick->file).c_str(), pick->number, &large, &smallIcon, 1);
                images.large.reset(large);
                images.small.reset(smallIcon);
            }
        }
    }
    return small ? images.small.get() : images.large.get();
}

}  // namespace torva::editor::win32
