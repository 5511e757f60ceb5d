#pragma once
// Without libFuzzer (a g++ build) every fuzz target still runs as an ordinary test: its seeds, then
// deterministic mutations of each, under the native build's sanitizers. Each target's replay main
// only says which seeds and which bytes suit its input.

#include <string>
#include <string_view>
#include <vector>

namespace torva::fuzz {

struct ReplayPlan {
    std::vector<std::string> fixedSeeds;  // seeds besides the files and folders named on the command line
    std::string_view alphabet;            // bytes worth inserting (delimiters, keywords, lead bytes)
    int rounds = 200;                     // random mutations chained from each seed
    bool everyPrefix = false;             // also every prefix of each seed and each byte flipped
};

// Runs the plan through LLVMFuzzerTestOneInput; exit code 0, or 1 when there was no seed at all.
int ReplayMain(int argc, char** argv, const ReplayPlan& plan);

}  // namespace torva::fuzz
