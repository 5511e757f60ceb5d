#include "menuview/press_state.h"

namespace torva::menuview {

PressStep PressTracker::MouseDown(bool leftButton) {
    if (leftButton) {
        state_ = ClickState::LeftPressed;
        return {state_, PressLook::Press, true};
    }
    state_ = ClickState::OtherPressed;
    return {state_, PressLook::Unchanged, false};
}

PressStep PressTracker::MouseMove(int x, int y, int width, int height, bool leftButtonHeld) {
    switch (state_) {
        case ClickState::LeftPressed:
        case ClickState::OtherPressed: {
            const bool off = x < -2 || y < -2 || x > width || y > height;
            if (!off) return {state_, PressLook::Unchanged, false};
            const bool wasPressedLook = state_ == ClickState::LeftPressed;
            state_ = ClickState::DraggedOff;
            return {state_, wasPressedLook ? PressLook::Release : PressLook::Unchanged, false};
        }
        case ClickState::DraggedOff: {
            const bool inside = x >= 0 && y >= 0 && x <= width && y <= height;
            if (!inside) return {state_, PressLook::Unchanged, false};
            return MouseDown(leftButtonHeld);
        }
        case ClickState::Idle:
            break;
    }
    return {state_, PressLook::Unchanged, false};
}

PressStep PressTracker::MouseUp() {
    switch (state_) {
        case ClickState::LeftPressed:
            return {state_, PressLook::Release, false};
        case ClickState::OtherPressed:
            return {state_, PressLook::Unchanged, false};
        case ClickState::DraggedOff:
            state_ = ClickState::Idle;
            return {state_, PressLook::Unchanged, false};
        case ClickState::Idle:
            break;
    }
    return {state_, PressLook::Unchanged, false};
}

}  // namespace torva::menuview
