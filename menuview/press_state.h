#pragma once
// The pressed look of a button under the mouse: click states and what the window must show.

namespace torva::menuview {

enum class ClickState : int {
    Idle = 0,
    LeftPressed = 1,   // pressed with the left button
    OtherPressed = 2,  // pressed with another button: the click that follows does nothing
    DraggedOff = 3,    // pressed, then dragged off the button: releasing does nothing
};

enum class PressLook { Unchanged, Press, Release };

struct PressStep {
    ClickState state = ClickState::Idle;
    PressLook look = PressLook::Unchanged;
    bool takeFocus = false;
    bool operator==(const PressStep&) const = default;
};

class PressTracker {
  public:
    PressStep MouseDown(bool leftButton);
    // x, y relative to the button's top-left corner; width, height of the button.
    PressStep MouseMove(int x, int y, int width, int height, bool leftButtonHeld);
    PressStep MouseUp();

    ClickState state() const { return state_; }
    void set_state(ClickState s) { state_ = s; }

  private:
    ClickState state_ = ClickState::Idle;
};

}  // namespace torva::menuview
