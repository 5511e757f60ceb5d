#include "editor/dialogs/font_choice.h"

#include <cmath>

#include "common/utf8.h"

namespace torva::editor::dialogs {

FontRequest PrepareFontRequest(const DialogFont& font, int pixelsPerInch) {
    FontRequest request;
    request.faceName = font.name;
    request.selectFace = !font.name.empty();
    request.selectSize = font.size != 0;
    // Multiply, then divide rounding half away from zero, as the system's multiply-divide does.
    const long long product = static_cast<long long>(font.size) * pixelsPerInch;
    const long long points = (product >= 0 ? product + 36 : product - 36) / 72;
    request.height = static_cast<int>(-points);
    if (!font.style.empty()) {
        const std::string upper = UpperLetters(font.style);
        request.selectStyle = true;
        request.weight = upper.find("BOLD") != std::string::npos ? 700 : 400;
        request.italic = upper.find("ITALIC") != std::string::npos;
    }
    return request;
}

std::string FontSummary(const DialogFont& font) {
    std::string summary;
    auto add = [&summary](const std::string& part) {
        if (part.empty()) return;
        if (!summary.empty()) summary += "  ";
        summary += part;
    };
    add(font.name);
    add(font.style);
    if (font.size != 0) add(std::to_string(font.size) + "pt");
    return summary;
}

std::optional<DialogFont> ApplyFontAnswer(const FontAnswer& answer, int defaultSize) {
    if (!answer.faceSelected && !answer.styleSelected && !answer.sizeSelected) return std::nullopt;
    DialogFont font;
    font.name = answer.faceSelected ? answer.face : std::string(kDefaultFace);
    if (!answer.styleSelected) {
        font.style = "Regular";
    } else if (answer.weight > 499) {
        font.style = answer.italic ? "Bold Italic" : "Bold";
    } else {
        font.style = answer.italic ? "Italic" : "Regular";
    }
    if (!answer.sizeSelected) {
        font.size = defaultSize;
    } else if (answer.sizeTenths >= 2551) {
        font.size = kLargestSize;
    } else {
        // Whole points, halves to the even neighbour; a size the dialog cannot give stays positive.
        const int rounded = static_cast<int>(std::nearbyint(answer.sizeTenths / 10.0));
        font.size = rounded < 1 ? 1 : rounded;
    }
    return font;
}

}  // namespace torva::editor::dialogs
