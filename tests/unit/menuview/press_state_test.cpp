#include "menuview/press_state.h"

#include <gtest/gtest.h>

namespace torva::menuview {
namespace {

TEST(Press, LeftPressAndReleaseOnTheButton) {
    PressTracker t;
    EXPECT_EQ(t.MouseDown(true), (PressStep{ClickState::LeftPressed, PressLook::Press, true}));
    EXPECT_EQ(t.MouseMove(5, 5, 235, 36, true).look, PressLook::Unchanged);
    EXPECT_EQ(t.MouseUp(), (PressStep{ClickState::LeftPressed, PressLook::Release, false}));
}

TEST(Press, DraggingOffAndBackKeepsThePress) {
    PressTracker t;
    t.MouseDown(true);
    // The edge tolerance: -2 and the full width are still on the button.
    EXPECT_EQ(t.MouseMove(-2, 36, 235, 36, true).state, ClickState::LeftPressed);
    EXPECT_EQ(t.MouseMove(236, 5, 235, 36, true),
              (PressStep{ClickState::DraggedOff, PressLook::Release, false}));
    EXPECT_EQ(t.MouseMove(-1, 5, 235, 36, true).state, ClickState::DraggedOff);  // not yet back inside
    EXPECT_EQ(t.MouseMove(0, 0, 235, 36, true), (PressStep{ClickState::LeftPressed, PressLook::Press, true}));
    EXPECT_EQ(t.MouseUp().look, PressLook::Release);
}

TEST(Press, ReleasingOutsideDoesNothing) {
    PressTracker t;
    t.MouseDown(true);
    t.MouseMove(10, -3, 235, 36, true);
    EXPECT_EQ(t.MouseUp(), (PressStep{ClickState::Idle, PressLook::Unchanged, false}));
}

TEST(Press, OtherMouseButtonNeverShowsThePressedLook) {
    PressTracker t;
    EXPECT_EQ(t.MouseDown(false), (PressStep{ClickState::OtherPressed, PressLook::Unchanged, false}));
    EXPECT_EQ(t.MouseMove(300, 5, 235, 36, false),
              (PressStep{ClickState::DraggedOff, PressLook::Unchanged, false}));
    EXPECT_EQ(t.MouseMove(3, 5, 235, 36, false).state, ClickState::OtherPressed);
    EXPECT_EQ(t.MouseUp().state, ClickState::OtherPressed);  // the click handler resets it
}

TEST(Press, MovingWithoutAPressChangesNothing) {
    PressTracker t;
    EXPECT_EQ(t.MouseMove(-50, -50, 235, 36, false), (PressStep{}));
    EXPECT_EQ(t.MouseUp(), (PressStep{}));
}

}  // namespace
}  // namespace torva::menuview
