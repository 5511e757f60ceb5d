#pragma once
// The single-instance check of start-up: a running menu recorded under "rgDCHK" is brought
// forward and this start ends.

#include "common/error_state.h"
#include "platform/background_starts.h"
#include "platform/registry.h"

namespace torva::runtime::win32 {

// True when a running menu was found (and brought forward): this instance must end. A start the
// processes keep deferred is made before the running menu comes forward.
bool BringRunningInstanceForward(ErrorState& error, const platform::Settings& settings,
                                 platform::BackgroundStartProcesses& processes);

}  // namespace torva::runtime::win32
