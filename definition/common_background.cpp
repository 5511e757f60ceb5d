#include "definition/common_background.h"

namespace torva::definition {

void DetectCommonBackground(MenuDefinition& def, const std::vector<int>& openedPages) {
    if (openedPages.size() < 2) return;
    bool pageOne = false;
    for (std::size_t i = 0; i < openedPages.size(); ++i) {
        if (openedPages[i] == 1) pageOne = true;
        if (i == 0) continue;
        const MenuPage& a = def.Page(openedPages[i - 1]);
        const MenuPage& b = def.Page(openedPages[i]);
        if (a.barTitle.text != b.barTitle.text || a.barTitle.backColour != b.barTitle.backColour ||
            a.pageWaitMode != b.pageWaitMode)
            return;
    }
    def.commonBackground = pageOne;
}

}  // namespace torva::definition
