// Windows counts a thread's processor time in scheduler ticks, not continuously.
#include <windows.h>

#include "tests/bench/harness/bench_harness.h"

namespace torva::testing::bench {

namespace {

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) * 1e-7;
}

}  // namespace

double ThreadSeconds() {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
    return Seconds(kernel) + Seconds(user);
}

double ThreadClockTick() {
    // The smallest step seen, measured by spinning until the clock moves (twice, to start on a step).
    double step = 0;
    for (int round = 0; round < 2; ++round) {
        const double start = ThreadSeconds();
        double now = start;
        while (now == start) now = ThreadSeconds();
        step = now - start;
    }
    return step;
}

}  // namespace torva::testing::bench
