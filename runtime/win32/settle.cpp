#include "runtime/win32/settle.h"

#include "platform/win32/unique_handle.h"
#include "runtime/win32/win_api.h"

namespace torva::runtime::win32 {

namespace {
constexpr DWORD kStartUpLimitMs = 10000;
}

void WaitUntilStarted(uint32_t processId) {
    torva::win32::UniqueKernelHandle process(
        OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
    if (!process) return;
    WaitForInputIdle(process.get(), kStartUpLimitMs);
}

}  // namespace torva::runtime::win32
