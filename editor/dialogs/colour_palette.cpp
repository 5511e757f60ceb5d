#include "editor/dialogs/colour_palette.h"

namespace torva::editor::dialogs {

Colour DefaultColourOf(PaletteUse use) {
    return use == PaletteUse::Text ? definition::kDefaultTextColour : definition::kDefaultBackColour;
}

bool CellShown(int cell, PaletteUse use) {
    if (cell < 0 || cell >= kPaletteCells) return false;
    if (cell < kTransparentCell) return true;
    return use == PaletteUse::BackgroundWithSeeThrough;
}

CellFace CellFaceOf(int cell, PaletteUse use) {
    if (cell >= 0 && cell < kFixedCells) return {kFixedColours[static_cast<std::size_t>(cell)], {}};
    if (cell == kDefaultCell) return {DefaultColourOf(use), {}};
    if (cell == kTransparentCell) return {definition::kDefaultBackColour, kTransparentCaption};
    if (cell == kSemiTransparentCell) return {definition::kDefaultBackColour, kSemiTransparentCaption};
    return {};
}

Colour PickCell(int cell, PaletteUse use, Colour current) {
    if (!CellShown(cell, use)) return current;
    if (cell == kTransparentCell) return definition::kTransparent;
    if (cell == kSemiTransparentCell) return definition::kSemiTransparent;
    return CellFaceOf(cell, use).colour;
}

int CellForColour(Colour value, PaletteUse use) {
    if (use == PaletteUse::BackgroundWithSeeThrough) {
        if (value == definition::kTransparent) return kTransparentCell;
        if (value == definition::kSemiTransparent) return kSemiTransparentCell;
    }
    for (int cell = 0; cell <= kDefaultCell; ++cell) {
        if (CellFaceOf(cell, use).colour == value) return cell;
    }
    return kNoCell;
}

CellFace SwatchFor(Colour value, PaletteUse use) {
    const int cell = CellForColour(value, use);
    if (cell == kTransparentCell || cell == kSemiTransparentCell) return CellFaceOf(cell, use);
    return {value, {}};
}

}  // namespace torva::editor::dialogs
