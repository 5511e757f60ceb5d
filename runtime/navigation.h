#pragma once
// Moving the focus between buttons with the arrow keys, and between pages with the page keys.

#include <array>

namespace torva::runtime {

enum class ArrowKey { Left, Right, Up, Down };

// The button that gets the focus when the arrow key is pressed on button i (1-based), or 0 when
// the key does nothing in this display mode.
int NextFocusButton(int mode, int button, ArrowKey key);

inline constexpr int kMaxPages = 99;
using DefinedPages = std::array<bool, kMaxPages + 1>;  // index 1..99; [0] unused

// Page Up (forward) and Page Down: the next defined page in that direction, wrapping between 99
// and 1. The current page itself is the answer when no other page is defined.
int NextDefinedPage(int current, bool forward, const DefinedPages& defined);

}  // namespace torva::runtime
