#include "editor/press_tracker.h"

#include <gtest/gtest.h>

namespace torva::editor {
namespace {

constexpr int W = 235;
constexpr int H = 36;

TEST(SlotPress, LeftClickShowsThePressAndOpensTheDialogOnRelease) {
    PressTracker slot(true);
    EXPECT_EQ(slot.Down(true), (PressStep{PressLook::Pressed, true, ReleaseAction::None}));
    EXPECT_EQ(slot.state(), PressState::LeftInside);
    EXPECT_EQ(slot.Move(10, 10, W, H), PressStep{});
    EXPECT_EQ(slot.Up(true), (PressStep{PressLook::Normal, false, ReleaseAction::OpenDialog}));
    EXPECT_EQ(slot.state(), PressState::Idle);
}

TEST(SlotPress, RightClickOpensTheContextMenuAndNeverTheDialog) {
    PressTracker slot(true);
    EXPECT_EQ(slot.Down(false), PressStep{});
    EXPECT_EQ(slot.state(), PressState::RightInside);
    EXPECT_EQ(slot.Up(false).action, ReleaseAction::ContextMenu);
    EXPECT_EQ(slot.state(), PressState::Idle);
}

TEST(SlotPress, DraggedOffAndReleasedOutsideOpensNothing) {
    PressTracker slot(true);
    slot.Down(true);
    // Two pixels of grace around the slot keep the press.
    EXPECT_EQ(slot.Move(-2, -2, W, H), PressStep{});
    EXPECT_EQ(slot.Move(W, H, W, H), PressStep{});
    EXPECT_EQ(slot.Move(W + 1, 5, W, H), (PressStep{PressLook::Normal, false, ReleaseAction::None}));
    EXPECT_EQ(slot.state(), PressState::DraggedOff);
    EXPECT_EQ(slot.Up(true), PressStep{});
    EXPECT_EQ(slot.state(), PressState::Idle);
}

TEST(SlotPress, ComingBackPressesAgain) {
    PressTracker slot(true);
    slot.Down(true);
    slot.Move(-3, 5, W, H);
    // Within the grace band but not inside: still off.
    EXPECT_EQ(slot.Move(-1, 5, W, H), PressStep{});
    EXPECT_EQ(slot.Move(0, 5, W, H), (PressStep{PressLook::Pressed, true, ReleaseAction::None}));
    EXPECT_EQ(slot.Up(true).action, ReleaseAction::OpenDialog);
}

TEST(SlotPress, ARightPressDraggedOffAndBackStaysARightPress) {
    PressTracker slot(true);
    slot.Down(false);
    slot.Move(5, H + 1, W, H);
    EXPECT_EQ(slot.state(), PressState::DraggedOff);
    EXPECT_EQ(slot.Move(5, 5, W, H), PressStep{});
    EXPECT_EQ(slot.state(), PressState::RightInside);
    EXPECT_EQ(slot.Up(false).action, ReleaseAction::ContextMenu);
}

TEST(SlotPress, ReleasesWithoutAPressDoNothing) {
    PressTracker slot(true);
    EXPECT_EQ(slot.Up(true), PressStep{});
    EXPECT_EQ(slot.Up(false), PressStep{});
    EXPECT_EQ(slot.Move(5, 5, W, H), PressStep{});
}

TEST(SlotPress, TheOtherButtonLetGoDoesNotEndALeftPress) {
    PressTracker slot(true);
    slot.Down(true);
    EXPECT_EQ(slot.Up(false), PressStep{});
    EXPECT_EQ(slot.Up(true).action, ReleaseAction::OpenDialog);
    // A left release after a right press opens nothing.
    slot.Down(false);
    EXPECT_EQ(slot.Up(true), PressStep{});
}

TEST(TitlePress, NoLookAndNoGraceBand) {
    PressTracker title(false);
    EXPECT_EQ(title.Down(true), (PressStep{PressLook::Unchanged, true, ReleaseAction::None}));
    EXPECT_EQ(title.Move(-1, 5, 443, 23), PressStep{});
    EXPECT_EQ(title.state(), PressState::DraggedOff);
    EXPECT_EQ(title.Move(0, 0, 443, 23), (PressStep{PressLook::Unchanged, true, ReleaseAction::None}));
    EXPECT_EQ(title.Up(true), (PressStep{PressLook::Unchanged, false, ReleaseAction::OpenDialog}));
    title.Down(false);
    EXPECT_EQ(title.Up(false).action, ReleaseAction::ContextMenu);
}

}  // namespace
}  // namespace torva::editor
