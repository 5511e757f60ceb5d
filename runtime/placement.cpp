#include "runtime/placement.h"

namespace torva::runtime {

namespace {
bool Reachable(const PlacementInput& in) {
    return in.savedLeft < in.screenWidthTwips && in.savedTop < in.screenHeightTwips &&
           in.savedLeft + in.windowWidthTwips > 0 && in.savedTop + in.windowHeightTwips > 0;
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
