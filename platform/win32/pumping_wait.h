#pragma once
// Waits that keep the calling thread's windows alive: while they wait, the thread's messages are
// dispatched, so its windows paint and answer input. A WM_QUIT met on the way is posted again for
// the thread's main loop and ends the wait.

#include <functional>

namespace torva::win32 {

// Dispatches messages until done() is true or limitMs have passed; true when done() came true.
// done() is asked first and then after each round of messages (at least every 50 ms).
bool PumpUntil(const std::function<bool()>& done, unsigned limitMs);

// Dispatches messages for the given time.
void PumpFor(unsigned milliseconds);

}  // namespace torva::win32
