#include "editor/help_topics.h"

#include "common/path.h"

namespace torva::editor {

std::string_view HelpPage(int context) {
    switch (context) {
        case kHelpButtonDialog:
            return "button.html";
        case kHelpStartEndPrograms:
            return "startend.html";
        case kHelpTimedStarts:
            return "timed.html";
        case kHelpPageStartPrograms:
            return "pagestart.html";
        default:
            return "index.html";
    }
}

std::string HelpPagePath(std::string_view programFolder, int context) {
    return JoinPath(JoinPath(programFolder, kHelpFolder), HelpPage(context));
}

}  // namespace torva::editor
