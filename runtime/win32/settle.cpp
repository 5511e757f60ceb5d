#include "runtime/win32/settle.h"

#include "platform/win32/pumping_wait.h"
#include "platform/win32/unique_handle.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

namespace {
constexpr unsigned kStartUpLimitMs = 10000;
}

void WaitUntilStarted(uint32_t processId) {
    torva::win32::UniqueKernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) return;
    // Asked without waiting, between rounds of the menu's own messages: the menu keeps painting and
    // answering while a slow program starts up.
    torva::win32::PumpUntil([&] { return WaitForInputIdle(process.get(), 0) != WAIT_TIMEOUT; },
                            kStartUpLimitMs);
}

}  // namespace torva::runtime::win32
