// Writes the tables behind the native build's code page 932 answers (cp932_answers.cpp) at build time,
// from the C library's converter: the codec then decodes and encodes exactly as that converter does, at
// the cost of a table look-up per character instead of the converter's per-call machinery.
// Usage: torva_cp932_tables OUTPUT
#include <errno.h>
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "common/cp932_answers.h"

namespace {

using torva::cp932::kLead;
using torva::cp932::kNone;

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts the whole input in one call from a fresh state. Returns the output, or nothing with
    // *incomplete telling whether the input merely ended too early.
    bool Run(const std::string& in, std::string& out, bool* incomplete) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[64];
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        *incomplete = r == static_cast<std::size_t>(-1) && errno == EINVAL;
        if (r == static_cast<std::size_t>(-1) || inLeft != 0) return false;
        out.assign(buffer, sizeof buffer - outLeft);
        return true;
    }

  private:
    iconv_t cd_;
};

// One code point from UTF-32LE output; kNone unless the output is exactly one BMP character (the
// decoding tables hold no other).
std::uint16_t OneCharacter(const std::string& utf32) {
    if (utf32.size() != 4) return kNone;
    const auto byte = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(utf32[i])); };
    const std::uint32_t cp = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    return cp < kLead ? static_cast<std::uint16_t>(cp) : kNone;
}

void WriteArray(std::FILE* out, const char* declaration, const std::vector<std::uint16_t>& values) {
    std::fprintf(out, "%s = {", declaration);
    for (std::size_t i = 0; i < values.size(); ++i) std::fprintf(out, "%s%u,", i % 24 ? "" : "\n", values[i]);
    std::fprintf(out, "\n};\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torva_cp932_tables OUTPUT\n");
        return 2;
    }
    Converter decoder("UTF-32LE", "CP932");
    Converter encoder("CP932", "UTF-32LE");
    if (!decoder.ok() || !encoder.ok()) {
        std::fprintf(stderr, "the C library has no CP932 converter\n");
        return 1;
    }
    std::string out;
    bool incomplete = false;

    // Single bytes: a character, the start of a two-byte one (the converter waits for more), or none.
    std::vector<std::uint16_t> single(256, kNone);
    std::vector<std::uint16_t> leadRow(256, 0);
    std::vector<std::uint16_t> pairs;
    int rows = 0;
    for (int b = 0; b < 256; ++b) {
        if (decoder.Run(std::string(1, static_cast<char>(b)), out, &incomplete)) {
            single[b] = OneCharacter(out);
        } else if (incomplete) {
            single[b] = kLead;
            leadRow[b] = static_cast<std::uint16_t>(rows++);
            for (int t = 0; t < 256; ++t) {
                const std::string bytes{static_cast<char>(b), static_cast<char>(t)};
                pairs.push_back(decoder.Run(bytes, out, &incomplete) ? OneCharacter(out) : kNone);
            }
        }
    }

    // Every BMP code point but the surrogates: its bytes (one byte below 0x100, else lead and trail).
    std::vector<std::uint16_t> encode(0x10000, kNone);
    for (std::uint32_t cp = 0; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::string utf32{static_cast<char>(cp & 0xFF), static_cast<char>(cp >> 8), '\0', '\0'};
        if (!encoder.Run(utf32, out, &incomplete)) continue;
        if (out.size() == 1) {
            encode[cp] = static_cast<unsigned char>(out[0]);
        } else if (out.size() == 2 && static_cast<unsigned char>(out[0]) != 0) {
            encode[cp] = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                                    static_cast<unsigned char>(out[1]));
        } else {
            std::fprintf(stderr, "U+%04X encodes to %zu bytes: the tables cannot hold it\n", cp, out.size());
            return 1;
        }
    }

    // The codec keeps ASCII as it is without asking.
    for (int b = 0; b < 0x80; ++b) {
        if (single[b] != b || encode[b] != b) {
            std::fprintf(stderr, "ASCII 0x%02X does not stay itself: the codec cannot use these tables\n", b);
            return 1;
        }
    }

    // Written aside and renamed, so that a failed run leaves no half table for the next build.
    const std::string target = argv[1];
    const std::string partial = target + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "w");
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", partial.c_str());
        return 1;
    }
    std::fprintf(file, "// Made at build time by cp932_tables_gen.cpp from the C library's converter.\n");
    std::fprintf(file, "constexpr int kLeadRows = %d;\n", rows);
    WriteArray(file, "const std::uint16_t kSingle[256]", single);
    WriteArray(file, "const std::uint16_t kLeadRow[256]", leadRow);
    WriteArray(file, "const std::uint16_t kPair[kLeadRows * 256]", pairs);
    WriteArray(file, "const std::uint16_t kEncode[0x10000]", encode);
    const bool written = std::ferror(file) == 0;
    if (std::fclose(file) != 0 || !written || std::rename(partial.c_str(), target.c_str()) != 0) {
        std::fprintf(stderr, "cannot write %s\n", target.c_str());
        return 1;
    }
    return 0;
}
