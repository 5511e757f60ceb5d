#pragma once
// The colour palette of the button, title and bar-title dialogs: 48 fixed colours in the order of the
// colour codes, a cell for the default of the colour being edited, and on background tabs that allow
// it a transparent and a semi-transparent cell. A pick always yields a colour that has a code.

#include <array>
#include <string_view>

#include "definition/menu_definition.h"

namespace torva::editor::dialogs {

using definition::Colour;

// What the palette edits on the tab it is shown on.
enum class PaletteUse {
    Text,                     // caption and title text colours; default button text
    Background,               // bar-title background; default button face
    BackgroundWithSeeThrough  // button and title backgrounds: also transparent and semi-transparent
};

inline constexpr int kPaletteCells = 51;
inline constexpr int kFixedCells = 48;
inline constexpr int kDefaultCell = 48;
inline constexpr int kTransparentCell = 49;
inline constexpr int kSemiTransparentCell = 50;
inline constexpr int kNoCell = -1;

// Fixed colours of cells 0..47, as 0x00BBGGRR: white and greys first, then levels 1..3 and 4..6 of
// red, orange, yellow, green, turquoise, blue and pink.
inline constexpr std::array<Colour, kFixedCells> kFixedColours{
    0xFFFFFF, 0xC0C0C0, 0x808080, 0xE0E0E0, 0x404040, 0x000000,  //
    0xC0C0FF, 0x8080FF, 0x0000FF, 0xC0E0FF, 0x80C0FF, 0x0080FF,  //
    0xC0FFFF, 0x80FFFF, 0x00FFFF, 0xC0FFC0, 0x80FF80, 0x00FF00,  //
    0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xFFC0C0, 0xFF8080, 0xFF0000,  //
    0xFFC0FF, 0xFF80FF, 0xFF00FF, 0x0000C0, 0x000080, 0x000040,  //
    0x0040C0, 0x004080, 0x404080, 0x00C0C0, 0x008080, 0x004040,  //
    0x00C000, 0x008000, 0x004000, 0xC0C000, 0x808000, 0x404000,  //
    0xC00000, 0x800000, 0x400000, 0xC000C0, 0x800080, 0x400040,  //
};

inline constexpr std::string_view kDefaultCellLabel = "指定なし";
inline constexpr std::string_view kTransparentLabel = "透過色";
inline constexpr std::string_view kSemiTransparentLabel = "半透過色";
inline constexpr std::string_view kTransparentCaption = "透";
inline constexpr std::string_view kSemiTransparentCaption = "半";

// The default colour the palette's default cell stands for.
Colour DefaultColourOf(PaletteUse use);

// Whether a cell exists for the use (cells 49 and 50 only on backgrounds that allow them).
bool CellShown(int cell, PaletteUse use);

// What a cell or the swatch paints: a colour (a system colour for the default and the see-through
// cells, which show the button face with their caption) and a caption.
struct CellFace {
    Colour colour = definition::kDefaultBackColour;
    std::string_view caption;
};
CellFace CellFaceOf(int cell, PaletteUse use);

// The colour a click on a shown cell gives; the value unchanged for a cell the use does not show.
Colour PickCell(int cell, PaletteUse use, Colour current);

// The cell selected for a value when the tab is shown: the transparent cells for their values (where
// shown), else the first of cells 0..48 with that colour; kNoCell when none matches.
int CellForColour(Colour value, PaletteUse use);

// The swatch beside the palette for a value: a see-through value shows its cell's face and caption,
// any other value its colour without caption.
CellFace SwatchFor(Colour value, PaletteUse use);

}  // namespace torva::editor::dialogs
