#include "runtime/close_logic.h"

namespace torva::runtime {

CloseDecision DecideClose(CloseReason reason, bool noControlBox) {
    CloseDecision d;
    if (reason == CloseReason::EndProgramsRun) return d;
    if (noControlBox && reason == CloseReason::User) {
        d.refuse = true;
        return d;
    }
    d.runEndPrograms = true;
    return d;
}

}  // namespace torva::runtime
