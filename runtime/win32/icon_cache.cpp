#include "runtime/win32/icon_cache.h"

#include "common/path.h"
#include "menuview/button_face.h"
#include "platform/win32/wide.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

using namespace torva::menuview;

namespace {

HICON Extract(const std::string& source, bool small) {
    const IconSource parsed = ParseIconSource(source);
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

HICON IconCache::Get(int page, int button, const std::string& source, bool small) {
    if (page < 1 || page > definition::kPageCount || button < 1 || button > definition::kMaxButtons)
        return nullptr;
    Slot& slot = slots_[static_cast<std::size_t>(page - 1)][static_cast<std::size_t>(button - 1)];
    if (!slot.tried) {
        slot.tried = true;
        slot.icon.reset(Extract(source, small));
    }
    return slot.icon.get();
}

}  // namespace torva::runtime::win32
