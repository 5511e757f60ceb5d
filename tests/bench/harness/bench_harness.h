#pragma once
// A small timing harness for figures that must come from the native build and from the Windows build
// alike (no benchmark library exists for the latter). Each case runs in repetitions of at least a
// minimum processor time; its figure is the median over the repetitions of the processor time one
// iteration takes, which other work on a busy machine disturbs far less than the elapsed time (printed
// beside it). Figures only: nothing here passes or fails on time.
//
// Options: --repetitions=N (default 15), --min-time=SECONDS per repetition (default 0.1, and at
// least 25 ticks of the processor clock), --filter=TEXT (cases whose name holds TEXT).

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace torva::testing::bench {

// Keeps the compiler from dropping work whose result nobody reads.
template <class T>
inline void KeepAlive(const T& value) {
    asm volatile("" : : "r"(&value) : "memory");
}

struct Case {
    std::string name;
    std::size_t bytes = 0;       // bytes one iteration handles; 0 prints no MB/s
    std::function<bool()> body;  // one iteration; false when its result is wrong
};

struct Options {
    int repetitions = 15;
    double minSeconds = 0.1;
    std::string filter;
};

struct Figure {
    double cpuMs = 0;      // median processor time of one iteration
    double elapsedMs = 0;  // median elapsed time of one iteration
    long iterations = 0;   // per repetition
    bool ok = true;
};

// Exits with status 2 on an unknown option.
Options ParseOptions(int argc, char** argv);

Figure Measure(const Case& c, const Options& options);

// Runs the cases the filter selects and prints one line each: name, processor ms, MB/s at that time
// (1 MB = 10^6 bytes of the case's byte count), elapsed ms, iterations per repetition. Returns 1 when a
// case's result was wrong (its figure would mean nothing), else 0.
int RunCases(const std::vector<Case>& cases, const Options& options);

// The processor time of the calling thread in seconds, and the smallest step in which it advances.
double ThreadSeconds();
double ThreadClockTick();

}  // namespace torva::testing::bench
