#pragma once
// Where the menu window goes when it is shown: a saved position, or the mode's own place.

#include <optional>
#include <vector>

namespace torva::runtime {

struct TwipsPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// A rectangle in twips on the virtual screen (the primary screen's top-left corner is 0, 0).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
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
    // The attached monitors as the platform reports them; none known means the primary screen alone.
    std::vector<TwipsRect> monitors;
};

// The window's new Left/Top in twips, or nothing when the window is not moved (mode 4).
// A saved position is used when some part of the window lands on an attached monitor, whichever it
// is; one that no monitor shows any more (a monitor since detached, a screen since made smaller)
// gives the mode's own place instead, so the menu cannot vanish.
std::optional<TwipsPoint> PlaceWindow(const PlacementInput& in);

// The position store keeps the window's Left/Top only when the close found it in normal state.
bool ShouldSavePosition(bool positionSave, bool windowStateNormal);

}  // namespace torva::runtime
