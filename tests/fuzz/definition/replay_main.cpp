// Without libFuzzer (a GCC build) the target still runs: every seed file, then deterministic
// mutations of each, so the ordinary test run exercises the reader with the native sanitizers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::string> seeds;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                files.push_back(entry.path());
        } else {
            files.emplace_back(argv[i]);
        }
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "no seed inputs\n");
        return 1;
    }
    std::mt19937 random(20261207);
    static const char kAlphabet[] =
        ",\"*[]:|<>\\ .\r\n0123456789-CMDPAGEVERMODESTRENDAFTTIMRCTLPIC\x82\x95\xff";
    std::size_t runs = 0;
    for (const auto& seed : seeds) {
        std::string input = seed;
        for (int round = 0; round < 200; ++round) {
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
            ++runs;
            const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
            switch (random() % 4) {
                case 0:
                    input.insert(at, 1, kAlphabet[random() % (sizeof(kAlphabet) - 1)]);
                    break;
                case 1:
                    if (at < input.size()) input.erase(at, 1);
                    break;
                case 2:
                    if (at < input.size()) input[at] = static_cast<char>(random());
                    break;
                default:
                    input.insert(at, std::to_string(random() % 100000));
                    break;
            }
        }
    }
    std::printf("%zu inputs run\n", runs);
    return 0;
}
