// Replays seed files through a fuzz entry point when no fuzzing engine is at hand: each seed as it is,
// every prefix of it, and each byte flipped in turn. Folders are read file by file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace {

void Run(const std::string& bytes) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

std::size_t Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string seed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Run(seed);
    for (std::size_t n = 0; n < seed.size(); ++n) Run(seed.substr(0, n));
    for (std::size_t i = 0; i < seed.size(); ++i) {
        for (unsigned char mask : {0x01, 0x80, 0xFF}) {
            std::string changed = seed;
            changed[i] = static_cast<char>(changed[i] ^ mask);
            Run(changed);
        }
    }
    return 1 + 4 * seed.size();
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path)) {
                if (entry.is_regular_file()) inputs += Replay(entry.path());
            }
        } else {
            inputs += Replay(path);
        }
    }
    std::printf("replayed %zu inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
