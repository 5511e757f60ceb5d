#pragma once
// Where the menu window goes when it is shown: a saved position, or the mode's own place.

#include <optional>

namespace torva::runtime {

struct TwipsPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipsPoint&) const = default;
};

struct PlacementInput {
    int mode = 1;
    int screenWidthTwips = 0;
    int screenHeightTwips = 0;
    int windowWidthTwips = 0;
    int windowHeightTwips = 0;
    bool positionSave = false;
    int savedLeft = -1;  // -1 when nothing was saved
    int savedTop = -1;
};

// The window's new Left/Top in twips, or nothing when the window is not moved (mode 4).
// A saved position that would leave no part of the window on the screen (a screen that has since
// become smaller) is not used: the mode's own place is taken instead, so the menu cannot vanish.
std::optional<TwipsPoint> PlaceWindow(const PlacementInput& in);

// The position store keeps the window's Left/Top only when the close found it in normal state.
bool ShouldSavePosition(bool positionSave, bool windowStateNormal);

}  // namespace torva::runtime
