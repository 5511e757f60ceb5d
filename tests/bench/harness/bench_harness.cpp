#include "tests/bench/harness/bench_harness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace torva::testing::bench {

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](std::string_view key) -> const char* {
            return arg.starts_with(key) ? argv[i] + key.size() : nullptr;
        };
        if (const char* v = value("--repetitions=")) {
            options.repetitions = std::max(1, std::atoi(v));
        } else if (const char* v = value("--min-time=")) {
            options.minSeconds = std::max(0.001, std::atof(v));
        } else if (const char* v = value("--filter=")) {
            options.filter = v;
        } else {
            std::fprintf(stderr, "unknown option %s\n", argv[i]);
            std::exit(2);
        }
    }
    return options;
}

Figure Measure(const Case& c, const Options& options) {
    using Clock = std::chrono::steady_clock;
    Figure figure;
    // Repetitions last the minimum processor time; a coarse processor clock (Windows counts in scheduler
    // ticks) needs them many ticks long.
    static const double tick = ThreadClockTick();
    const double minSeconds = std::max(options.minSeconds, 25 * tick);
    long iterations = 1;
    for (;;) {
        const double start = ThreadSeconds();
        for (long i = 0; i < iterations; ++i) figure.ok = c.body() && figure.ok;
        const double seconds = ThreadSeconds() - start;
        if (seconds >= minSeconds || iterations >= (1L << 30)) break;
        const double factor = seconds <= 0 ? 10.0 : std::min(10.0, 1.3 * minSeconds / seconds);
        iterations = std::max(iterations + 1, static_cast<long>(static_cast<double>(iterations) * factor));
    }
    std::vector<double> cpu;
    std::vector<double> elapsed;
    for (int r = 0; r < options.repetitions; ++r) {
        const double cpuStart = ThreadSeconds();
        const auto start = Clock::now();
        for (long i = 0; i < iterations; ++i) figure.ok = c.body() && figure.ok;
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        const double cpuSeconds = ThreadSeconds() - cpuStart;
        elapsed.push_back(seconds * 1000.0 / static_cast<double>(iterations));
        cpu.push_back(cpuSeconds * 1000.0 / static_cast<double>(iterations));
    }
    figure.cpuMs = Median(cpu);
    figure.elapsedMs = Median(elapsed);
    figure.iterations = iterations;
    return figure;
}

int RunCases(const std::vector<Case>& cases, const Options& options) {
    std::printf("%-14s %9s %9s %11s %6s  (medians of %d repetitions)\n", "case", "cpu ms", "MB/s",
                "elapsed ms", "iter", options.repetitions);
    int status = 0;
    for (const Case& c : cases) {
        if (!options.filter.empty() && c.name.find(options.filter) == std::string::npos) continue;
        const Figure f = Measure(c, options);
        char rate[32] = "-";
        if (c.bytes != 0 && f.cpuMs > 0)
            std::snprintf(rate, sizeof rate, "%.1f", static_cast<double>(c.bytes) / (f.cpuMs * 1000.0));
        std::printf("%-14s %9.3f %9s %11.3f %6ld%s\n", c.name.c_str(), f.cpuMs, rate, f.elapsedMs,
                    f.iterations, f.ok ? "" : "  WRONG RESULT");
        std::fflush(stdout);
        if (!f.ok) status = 1;
    }
    return status;
}

}  // namespace torva::testing::bench
