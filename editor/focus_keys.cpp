#include "editor/focus_keys.h"

#include "definition/menu_definition.h"
#include "editor/window_state.h"

namespace torva::editor {
namespace {

KeyResult Select(int target) {
    return {KeyEffect::Select, target};
}

KeyResult SlotKey(int mode, int i, EditorKey key) {
    const int n = definition::ButtonsForMode(mode);
    const bool bar = mode == 7;  // the titles lie outside the vertical bar: Up and Down wrap
    switch (key) {
        case EditorKey::Up:
            if (i > 1) return Select(i - 1);
            return Select(bar ? n : kSubTitle);
        case EditorKey::Down:
            if (i < n) return Select(i + 1);
            return Select(bar ? 1 : kMainTitle);
        case EditorKey::Left:
            switch (mode) {
                case 1:
                case 4:
                case 8:
                    return i >= 7 ? Select(i - 6) : KeyResult{};
                case 5:
                case 6:
                    return Select(i == 1 ? kSubTitle : i - 1);
                case 9:
                    return i > 8 ? Select(i - 8) : KeyResult{};
                default:
                    return {};
            }
        case EditorKey::Right:
            switch (mode) {
                case 1:
                case 4:
                case 8:
                    return i <= 6 ? Select(i + 6) : KeyResult{};
                case 5:
                case 6:
                    return Select(i == n ? kMainTitle : i + 1);
                case 9:
                    return i <= 16 ? Select(i + 8) : KeyResult{};
                default:
                    return {};
            }
        default:
            return {};
    }
}

KeyResult TitleKey(int mode, int title, EditorKey key) {
    const int n = definition::ButtonsForMode(mode);
    switch (key) {
        case EditorKey::Up:
            return Select(title == kSubTitle ? kMainTitle : n);
        case EditorKey::Down:
            return Select(title == kMainTitle ? kSubTitle : 1);
        default:
            return {};
    }
}

}  // namespace

KeyResult KeyOnElement(int displayMode, int focusIndex, EditorKey key) {
    switch (key) {
        case EditorKey::Home:
            return {KeyEffect::FirstPage, 0};
        case EditorKey::PageUp:
            return {KeyEffect::PreviousPage, 0};
        case EditorKey::PageDown:
            return {KeyEffect::NextPage, 0};
        case EditorKey::End:
            return {KeyEffect::LastPage, 0};
        case EditorKey::Enter:
            return IsSlot(focusIndex) || IsTitle(focusIndex) ? KeyResult{KeyEffect::OpenDialog, 0}
                                                             : KeyResult{};
        default:
            break;
    }
    if (displayMode < 1 || displayMode > definition::kDisplayModeCount) return {};
    if (IsTitle(focusIndex)) return TitleKey(displayMode, focusIndex, key);
    if (focusIndex >= 1 && focusIndex <= definition::ButtonsForMode(displayMode)) {
        return SlotKey(displayMode, focusIndex, key);
    }
    return {};
}

int PageAfterMove(int current, KeyEffect move) {
    const bool canGoBack = current > kFirstPage;
    const bool canGoOn = current < kLastPage;
    switch (move) {
        case KeyEffect::FirstPage:
            return canGoBack ? kFirstPage : 0;
        case KeyEffect::PreviousPage:
            return canGoBack ? current - 1 : 0;
        case KeyEffect::NextPage:
            return canGoOn ? current + 1 : 0;
        case KeyEffect::LastPage:
            return canGoOn ? kLastPage : 0;
        default:
            return 0;
    }
}

}  // namespace torva::editor
