// Without libFuzzer the target still runs: fixed seeds and deterministic mutations of each.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

int main() {
    const std::vector<std::string> seeds = {"0312",
                                            "9924",
                                            "0000",
                                            "9999PC02:hello:world",
                                            "9999",
                                            "",
                                            "03\x82\xA0",
                                            "9999\x93\xFA\x96\x7B:\x82\xA0",
                                            "\xFF\xFF\xFF\xFF",
                                            "1234567890"};
    std::mt19937 random(20261207);
    static const char kAlphabet[] = "0123456789:9\x82\x95\xff ";
    std::size_t runs = 0;
    for (const auto& seed : seeds) {
        std::string input = seed;
        for (int round = 0; round < 2000; ++round) {
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
                    input = seed;
                    break;
            }
        }
    }
    std::printf("%zu inputs run\n", runs);
    return 0;
}
