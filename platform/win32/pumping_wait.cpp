#include "platform/win32/pumping_wait.h"

#include <windows.h>

namespace torva::win32 {

namespace {

constexpr DWORD kRoundMs = 50;

// False when the thread was asked to quit.
bool DispatchPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, unsigned limitMs) {
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    for (;;) {
        if (done && done()) return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        if (!DispatchPending()) return false;
        const ULONGLONG left = deadline - now;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left < kRoundMs ? left : kRoundMs),
                                  QS_ALLINPUT);
    }
}

void PumpFor(unsigned milliseconds) {
    PumpUntil(nullptr, milliseconds);
}

}  // namespace torva::win32
