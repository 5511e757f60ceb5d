#pragma once
// Tooltip texts: icon modes show the caption (with its key) as the button's tooltip, and the
// vertical bar carries the page titles on one label's tooltip.

#include <string>
#include <string_view>

namespace torva::menuview {

// Modes 5..7. Button n (1..24); the key prefix appears when the button has its key and the key
// marks are not switched off.
std::string IconModeTooltip(int button, std::string_view caption, bool pfKey, bool noFunctionKeys,
                            std::string_view comment);

// Mode 7's title tooltip from the two titles and whether title 2 is shown.
std::string BarTitleTooltip(std::string_view title1, std::string_view title2, bool title2Shown);

}  // namespace torva::menuview
