#include <time.h>

#include "tests/bench/harness/bench_harness.h"

namespace torva::testing::bench {

double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double ThreadClockTick() {
    timespec resolution{};
    clock_getres(CLOCK_THREAD_CPUTIME_ID, &resolution);
    return static_cast<double>(resolution.tv_sec) + static_cast<double>(resolution.tv_nsec) * 1e-9;
}

}  // namespace torva::testing::bench
