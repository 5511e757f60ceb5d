#include "menuview/button_face.h"

#include "common/path.h"
#include "common/utf8.h"

namespace torva::menuview {

bool TitleShown(std::string_view text, unsigned backColour) {
    return !TrimBlanks(text).empty() || backColour != kDefaultBackColour;
}

FontChoice ResolveFont(std::string_view name, std::string_view style, int size, int modeDefaultSize) {
    FontChoice f;
    f.name = name.empty() ? std::string(kDefaultFontName) : std::string(name);
    const std::string upper = UpperLetters(style);
    f.bold = upper.find("BOLD") != std::string::npos;
    f.italic = upper.find("ITALIC") != std::string::npos;
    f.size = size == 0 ? modeDefaultSize : size;
    return f;
}

FacePoint TitleTextOrigin(int border, int barWidth, int barHeight, int textWidth, int textHeight) {
    return {border + (barWidth - 2 * border - textWidth) / 2,
            border + (barHeight - 2 * border - textHeight) / 2};
}

bool TitleBarShown(const MenuLayout& layout, std::string_view text, unsigned backColour) {
    if (!layout.titleBars) return false;
    return layout.titlesAlwaysShown || TitleShown(text, backColour);
}

FacePoint CaptionOrigin(int buttonWidth, int buttonHeight, int captionWidth, int captionHeight, bool hasIcon,
                        bool keyMarkShown) {
    const int w = buttonWidth - 2;
    const int h = buttonHeight - 2;
    FacePoint p;
    p.x = hasIcon ? (w - captionWidth - 32) / 2 + 34 : (w - captionWidth) / 2 + 2;
    p.y = (h - captionHeight) / 2 + (keyMarkShown ? 8 : 2);
    return p;
}

FacePoint KeyMarkOrigin(int buttonWidth) {
    return {(buttonWidth - 2) / 2 - 13, 3};
}

IconSource ParseIconSource(std::string_view source) {
    const std::string trimmed = TrimBlanks(source);
    IconSource out;
    const auto bar = trimmed.find('|');
    out.file = trimmed.substr(0, bar);
    if (bar == std::string::npos) return out;
    const std::string ext = LaunchExtension(out.file);
    if (ext != "DLL" && ext != "EXE" && ext != "OCX") return out;
    // Indexes are small; anything unreadable or out of range counts as the first icon.
    long value = 0;
    bool any = false;
    for (std::size_t i = bar + 1; i < trimmed.size() && trimmed[i] >= '0' && trimmed[i] <= '9'; ++i) {
        value = value * 10 + (trimmed[i] - '0');
        any = true;
        if (value > 1000000) return out;
    }
    out.index = any ? static_cast<int>(value) : 0;
    return out;
}

int EffectiveIconIndex(int index, int iconCount) {
    return index < 0 || index >= iconCount ? 0 : index;
}

std::vector<FacePoint> TileOrigins(int areaWidth, int areaHeight, int pictureWidth, int pictureHeight) {
    std::vector<FacePoint> out;
    if (pictureWidth <= 0 || pictureHeight <= 0 || areaWidth < 0 || areaHeight < 0) return out;
    const int columns = areaWidth / pictureWidth;
    const int rows = areaHeight / pictureHeight;
    out.reserve(static_cast<std::size_t>(columns + 1) * static_cast<std::size_t>(rows + 1));
    for (int c = 0; c <= columns; ++c) {
        for (int r = 0; r <= rows; ++r) out.push_back({c * pictureWidth, r * pictureHeight});
    }
    return out;
}

}  // namespace torva::menuview
