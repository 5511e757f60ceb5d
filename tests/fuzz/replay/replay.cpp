#include "replay.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace torva::fuzz {

namespace {

void Run(const std::string& bytes, std::size_t& runs) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    ++runs;
}

std::vector<std::string> SeedsFrom(int argc, char** argv, const ReplayPlan& plan) {
    std::vector<std::string> seeds = plan.fixedSeeds;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else {
            files.push_back(path);
        }
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    return seeds;
}

}  // namespace

int ReplayMain(int argc, char** argv, const ReplayPlan& plan) {
    const std::vector<std::string> seeds = SeedsFrom(argc, argv, plan);
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed inputs\n");
        return 1;
    }
    std::mt19937 random(20261207);
    std::size_t runs = 0;
    for (const auto& seed : seeds) {
        if (plan.everyPrefix) {
            // Truncations and single damaged bytes are what broken files look like.
            for (std::size_t n = 0; n <= seed.size(); ++n) Run(seed.substr(0, n), runs);
            for (std::size_t i = 0; i < seed.size(); ++i) {
                for (unsigned char mask : {0x01, 0x80, 0xFF}) {
                    std::string changed = seed;
                    changed[i] = static_cast<char>(changed[i] ^ mask);
                    Run(changed, runs);
                }
            }
        }
        std::string input = seed;
        for (int round = 0; round < plan.rounds; ++round) {
            Run(input, runs);
            const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
            switch (random() % 5) {
                case 0:
                    if (!plan.alphabet.empty())
                        input.insert(at, 1, plan.alphabet[random() % plan.alphabet.size()]);
                    break;
                case 1:
                    if (at < input.size()) input.erase(at, 1);
                    break;
                case 2:
                    if (at < input.size()) input[at] = static_cast<char>(random());
                    break;
                case 3:
                    input.insert(at, std::to_string(random() % 100000));
                    break;
                default:
                    if (random() % 8 == 0) input = seed;  // start over now and then
                    break;
            }
        }
    }
    std::printf("%zu inputs run\n", runs);
    return 0;
}

}  // namespace torva::fuzz
