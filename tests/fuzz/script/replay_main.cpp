// Without libFuzzer (a GCC build) the target still runs: every seed file, then a fixed number of
// deterministic mutations of each, so the build's ordinary test run exercises it too.
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
        const std::filesystem::path path(argv[i]);
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) files.push_back(entry.path());
        } else {
            files.push_back(path);
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
    std::mt19937 random(12345);
    const char alphabet[] = ":*<>=\"| \\.\r\n0123456789-WAITCODEBACKRCTLMSG";
    std::size_t runs = 0;
    for (const auto& seed : seeds) {
        std::string input = seed;
        for (int round = 0; round < 300; ++round) {
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
            ++runs;
            const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
            switch (random() % 3) {
                case 0:
                    input.insert(at, 1, alphabet[random() % (sizeof(alphabet) - 1)]);
                    break;
                case 1:
                    if (at < input.size()) input.erase(at, 1);
                    break;
                default:
                    if (at < input.size()) input[at] = static_cast<char>(random());
                    break;
            }
        }
    }
    std::printf("%zu inputs run\n", runs);
    return 0;
}
