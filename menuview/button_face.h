#pragma once
// What a page draws where: title bar visibility, caption and key-mark positions inside a button,
// fonts with their defaults, the icon source of a button, and the tiles of a background picture.

#include <string>
#include <string_view>
#include <vector>

#include "menuview/menu_layout.h"

namespace torva::menuview {

inline constexpr unsigned kDefaultBackColour = 0x8000000Fu;
inline constexpr unsigned kDefaultTextColour = 0x80000012u;
inline constexpr unsigned kTransparentColour = 0x01000000u;
inline constexpr unsigned kSemiTransparentColour = 0x02000000u;
inline constexpr const char* kDefaultFontName = "ＭＳ 明朝";

// A title bar is shown when its text (trimmed) is not empty or its background is not the default.
bool TitleShown(std::string_view text, unsigned backColour);

struct FontChoice {
    std::string name;
    bool bold = false;
    bool italic = false;
    int size = 0;  // points
    bool operator==(const FontChoice&) const = default;
};

// Empty name: the default face; "BOLD"/"ITALIC" anywhere in the upper-cased style; size 0: the
// mode's default size.
FontChoice ResolveFont(std::string_view name, std::string_view style, int size, int modeDefaultSize);

struct FacePoint {
    int x = 0;
    int y = 0;
    bool operator==(const FacePoint&) const = default;
};

// Where a title's text is printed: centred in the bar, inside its border when it has one.
FacePoint TitleTextOrigin(int border, int barWidth, int barHeight, int textWidth, int textHeight);

// Whether a title bar of the page is shown in this window: never in the runtime's vertical bar,
// always in the editor, otherwise by TitleShown.
bool TitleBarShown(const MenuLayout& layout, std::string_view text, unsigned backColour);

// Caption position inside a button of the given outer size. Inner size is (width-2, height-2);
// a set icon source shifts the caption right (also when no icon could be drawn); a shown key mark
// shifts it down.
FacePoint CaptionOrigin(int buttonWidth, int buttonHeight, int captionWidth, int captionHeight, bool hasIcon,
                        bool keyMarkShown);
FacePoint KeyMarkOrigin(int buttonWidth);
inline constexpr FacePoint kIconOrigin{2, 2};

struct IconSource {
    std::string file;
    int index = 0;
    bool operator==(const IconSource&) const = default;
};

// Splits "file|index"; the index counts only for DLL, EXE and OCX files and defaults to 0.
IconSource ParseIconSource(std::string_view source);
// An index beyond the last icon of the file becomes 0.
int EffectiveIconIndex(int index, int iconCount);

// Top-left corners of the tiles that cover an area with a picture: whole tiles plus one partial
// column and row. Nothing when the picture has no size.
std::vector<FacePoint> TileOrigins(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight);

}  // namespace torva::menuview
