#pragma once
// Where the editor's window stands on the screen in each display mode (twips; halves round down):
// centred for the standard, large and extended modes, at the right edge for the narrow ones, at the
// left edge for mode 3, and maximised in mode 4.

#include <optional>

namespace torva::editor {

struct TwipsPoint {
    int left = 0;
    int top = 0;
    bool operator==(const TwipsPoint&) const = default;
};

// The top-left corner, or nothing when the window keeps its place (mode 4, maximised).
std::optional<TwipsPoint> EditorWindowPosition(int mode, int screenWidth, int screenHeight, int windowWidth,
                                               int windowHeight);

}  // namespace torva::editor
