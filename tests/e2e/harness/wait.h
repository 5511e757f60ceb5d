#pragma once
// Bounded polling: every wait of the harness ends after its timeout, found or not.

#include <windows.h>

#include <chrono>

namespace torva::e2e {

using Millis = std::chrono::milliseconds;

inline constexpr Millis kDefaultTimeout{10000};
inline constexpr Millis kPollInterval{50};

// Calls pred until it returns true or the timeout passes; true when pred succeeded. Messages of
// the calling thread are pumped between polls so that a test which owns windows stays responsive.
template <typename Pred>
bool WaitUntil(Pred pred, Millis timeout = kDefaultTimeout, Millis interval = kPollInterval) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (pred()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(static_cast<DWORD>(interval.count()));
    }
}

}  // namespace torva::e2e
