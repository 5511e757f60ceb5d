#include "runtime/placement.h"

namespace torva::runtime {

namespace {
bool Overlaps(const PlacementInput& in, const TwipsRect& m) {
    return in.savedLeft < m.right && in.savedTop < m.bottom && in.savedLeft + in.windowWidthTwips > m.left &&
           in.savedTop + in.windowHeightTwips > m.top;
}

bool Reachable(const PlacementInput& in) {
    if (in.monitors.empty()) return Overlaps(in, TwipsRect{0, 0, in.screenWidthTwips, in.screenHeightTwips});
    for (const TwipsRect& m : in.monitors) {
        if (Overlaps(in, m)) return true;
    }
    return false;
}
}  // namespace

std::optional<TwipsPoint> PlaceWindow(const PlacementInput& in) {
    if (in.mode == 4) return std::nullopt;
    if (in.positionSave && in.savedLeft != -1 && Reachable(in)) return TwipsPoint{in.savedLeft, in.savedTop};
    switch (in.mode) {
        case 2:
        case 5:
        case 6:
        case 7:
            return TwipsPoint{in.screenWidthTwips - in.windowWidthTwips, 0};
        case 3:
            return TwipsPoint{0, 0};
        default:  // 1, 8, 9
            return TwipsPoint{(in.screenWidthTwips - in.windowWidthTwips) / 2,
                              (in.screenHeightTwips - in.windowHeightTwips) / 2};
    }
}

bool ShouldSavePosition(bool positionSave, bool windowStateNormal) {
    return positionSave && windowStateNormal;
}

}  // namespace torva::runtime
