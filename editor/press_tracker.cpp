#include "editor/press_tracker.h"

namespace torva::editor {

PressStep PressTracker::Press(bool leftButton) {
    leftPress_ = leftButton;
    if (!leftButton) {
        state_ = PressState::RightInside;
        return {};
    }
    state_ = PressState::LeftInside;
    return {slot_ ? PressLook::Pressed : PressLook::Unchanged, true, ReleaseAction::None};
}

PressStep PressTracker::Down(bool leftButton) {
    return Press(leftButton);
}

PressStep PressTracker::Move(int x, int y, int width, int height) {
    const int margin = slot_ ? 2 : 0;
    const bool outside = x < -margin || y < -margin || x > width || y > height;
    const bool inside = x >= 0 && y >= 0 && x <= width && y <= height;
    switch (state_) {
        case PressState::LeftInside:
            if (!outside) return {};
            state_ = PressState::DraggedOff;
            return {slot_ ? PressLook::Normal : PressLook::Unchanged, false, ReleaseAction::None};
        case PressState::RightInside:
            if (outside) state_ = PressState::DraggedOff;
            return {};
        case PressState::DraggedOff:
            if (!inside) return {};
            return Press(leftPress_);
        case PressState::Idle:
            return {};
    }
    return {};
}

PressStep PressTracker::Up(bool leftButton) {
    const PressState was = state_;
    state_ = PressState::Idle;
    switch (was) {
        case PressState::Idle:
        case PressState::DraggedOff:
            return {};
        case PressState::LeftInside:
            if (!leftButton) {
                // Another button let go while the left one is still down: the press goes on.
                state_ = was;
                return {};
            }
            return {slot_ ? PressLook::Normal : PressLook::Unchanged, false, ReleaseAction::OpenDialog};
        case PressState::RightInside:
            if (leftButton) return {};
            return {PressLook::Unchanged, false, ReleaseAction::ContextMenu};
    }
    return {};
}

}  // namespace torva::editor
