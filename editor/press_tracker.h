#pragma once
// Mouse presses on a slot or a title of the editor's preview: which look the slot shows, when the
// element takes the selection, and what a release opens. A press that was dragged off the element
// and released outside opens nothing; a right-button press opens the context menu, never the dialog.

namespace torva::editor {

enum class PressState : int {
    Idle = 0,
    LeftInside = 1,
    RightInside = 2,  // or any button other than the left one
    DraggedOff = 3,
};

enum class PressLook { Unchanged, Pressed, Normal };
enum class ReleaseAction { None, OpenDialog, ContextMenu };

struct PressStep {
    PressLook look = PressLook::Unchanged;
    bool takeFocus = false;
    ReleaseAction action = ReleaseAction::None;

    bool operator==(const PressStep&) const = default;
};

class PressTracker {
  public:
    // Slots show a pressed look and leave it 2 pixels outside their edges; titles show no look and
    // leave at their edges.
    explicit PressTracker(bool isSlot) : slot_(isSlot) {}

    PressStep Down(bool leftButton);
    // x, y relative to the element's top-left corner; width, height of the element in pixels.
    PressStep Move(int x, int y, int width, int height);
    PressStep Up(bool leftButton);

    PressState state() const { return state_; }

  private:
    PressStep Press(bool leftButton);

    bool slot_;
    PressState state_ = PressState::Idle;
    // The button of the press that was dragged off, so that coming back restores that press and a
    // right press can never turn into a left click on the way.
    bool leftPress_ = false;
};

}  // namespace torva::editor
