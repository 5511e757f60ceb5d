#pragma once
// The single-instance check of start-up: a running menu recorded under "rgDCHK" is brought
// forward and this start ends.

#include "common/error_state.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace torva::runtime::win32 {

// True when a running menu was found (and brought forward): this instance must end.
bool BringRunningInstanceForward(ErrorState& error, const platform::Settings& settings,
                                 const platform::Processes& processes);

}  // namespace torva::runtime::win32
