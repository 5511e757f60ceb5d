#pragma once
// Colour codes of definition files: a letter with an optional level 1..6 (bare letter = level 3),
// "X" transparent and "H" semi-transparent. Files hold only codes; the model holds colour values.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/error_state.h"
#include "definition/menu_definition.h"

namespace torva::definition {

struct ColourLetter {
    char letter;
    std::string_view name;         // listing name, e.g. "(黒)"
    std::array<Colour, 6> levels;  // levels 1..6, as 0x00BBGGRR
};

inline constexpr std::array<ColourLetter, 9> kColourTable{{
    {'M', "(黒)", {0xE0E0E0, 0x404040, 0x000000, 0x000000, 0x000000, 0x000000}},
    {'W', "(白)", {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080}},
    {'R', "(赤)", {0xC0C0FF, 0x8080FF, 0x0000FF, 0x0000C0, 0x000080, 0x000040}},
    {'O', "(橙)", {0xC0E0FF, 0x80C0FF, 0x0080FF, 0x0040C0, 0x004080, 0x404080}},
    {'Y', "(黄)", {0xC0FFFF, 0x80FFFF, 0x00FFFF, 0x00C0C0, 0x008080, 0x004040}},
    {'G', "(緑)", {0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0x004000}},
    {'T', "(水)", {0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000, 0x404000}},
    {'B', "(青)", {0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000}},
    {'P', "(桃)", {0xFFC0FF, 0xFF80FF, 0xFF00FF, 0xC000C0, 0x800080, 0x400040}},
}};

inline constexpr std::string_view kTransparentName = "(透過)";
inline constexpr std::string_view kSemiTransparentName = "(半透過)";
inline constexpr std::string_view kDefaultColourName = "(省略)";
inline constexpr std::string_view kPicturePrefix = "PIC:";

// Which default an empty or unknown code stands for. The conversion sets Picture when the code names
// a background picture ("PIC:").
enum class ColourContext : int16_t {
    BarBack = 1,
    TitleText = 2,
    TitleBack = 3,
    ButtonCaption = 4,
    ButtonBack = 5,
    Picture = 9,
};

// The default colour of a context: the button-face colour for backgrounds, the button-text colour for
// texts.
Colour defaultColour(ColourContext context);

// Each conversion notes the location the caller hands it on entry (the editor's numbers; see
// StepLocation).

// Code -> colour. The code is trimmed and upper-cased in place; a "PIC:" code sets the context to
// Picture and gives the default of the context it had.
Colour colourFromCode(std::string& code, ColourContext& context, const StepLocation& at = {});

// Convenience form for readers that do not keep the code.
Colour colourFromCode(std::string_view code, ColourContext context, const StepLocation& at = {});

// Colour -> canonical code; empty when the value has none (in particular the two defaults).
std::string codeFromColour(Colour value, const StepLocation& at = {});

// Display text of a code: the code followed by the padded name ("B1(青)    "), or "(省略)   " alone.
std::string colourName(std::string_view code, const StepLocation& at = {});

// Display text of a wait mode 0..4; empty for other values.
std::string waitModeName(int mode, const StepLocation& at = {});

}  // namespace torva::definition
