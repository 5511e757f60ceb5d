#include "menuview/tooltips.h"

#include "common/utf8.h"

namespace torva::menuview {

std::string IconModeTooltip(int button, std::string_view caption, bool pfKey, bool noFunctionKeys,
                            std::string_view comment) {
    std::string tip;
    if (pfKey && !noFunctionKeys) {
        // Appended piece by piece: GCC 12 warns falsely about literal + to_string concatenation.
        tip.append(button > 12 ? "sF" : "F");
        tip.append(std::to_string(button > 12 ? button - 12 : button));
        tip.append(" : ");
    }
    tip += caption;
    if (!comment.empty()) {
        tip += "・";
        tip += comment;
    }
    return tip;
}

std::string BarTitleTooltip(std::string_view title1, std::string_view title2, bool title2Shown) {
    if (!title2Shown) return std::string(title1);
    if (TrimBlanks(title1).empty()) return std::string(title2);
    std::string tip(title1);
    tip.append(" (");
    tip.append(title2);
    tip.append(")");
    return tip;
}

}  // namespace torva::menuview
