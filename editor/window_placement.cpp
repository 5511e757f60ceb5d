#include "editor/window_placement.h"

namespace torva::editor {

std::optional<TwipsPoint> EditorWindowPosition(int mode, int screenWidth, int screenHeight, int windowWidth,
                                               int windowHeight) {
    switch (mode) {
        case 1:
        case 8:
        case 9:
            return TwipsPoint{(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
        case 2:
        case 5:
        case 6:
        case 7:
            return TwipsPoint{screenWidth - windowWidth, 0};
        case 3:
            return TwipsPoint{0, 0};
        default:
            return std::nullopt;
    }
}

}  // namespace torva::editor
