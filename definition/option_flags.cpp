#include "definition/option_flags.h"

namespace torva::definition {

bool SetOptionFlag(DefinitionOptions& options, std::string_view key) {
    struct Flag {
        std::string_view key;
        bool DefinitionOptions::*flag;
    };
    static constexpr Flag kFlags[] = {
        {"[DCHK]", &DefinitionOptions::dupCheck},      {"[NCHK]", &DefinitionOptions::noCheck},
        {"[PSUP]", &DefinitionOptions::pathSuppress},  {"[PKEY]", &DefinitionOptions::pageKey},
        {"[NCTL]", &DefinitionOptions::noControlBox},  {"[TSKI]", &DefinitionOptions::trayIcon},
        {"[RCTL]", &DefinitionOptions::remoteControl}, {"[PSAVE]", &DefinitionOptions::positionSave},
        {"[FRAME]", &DefinitionOptions::outerFrame},   {"[NOFNC]", &DefinitionOptions::noFunctionKeys},
    };
    for (const auto& flag : kFlags) {
        if (key == flag.key) {
            options.*flag.flag = true;
            return true;
        }
    }
    return false;
}

}  // namespace torva::definition
