// Native codec through glibc iconv.
#include <errno.h>
#include <iconv.h>

#include <array>

#include "common/cp932.h"
#include "common/utf8.h"

namespace torva {

namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    void Reset() {
        if (ok()) iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }

    // Converts as far as possible; returns false with *in at the offending input on a bad sequence.
    bool Run(const char** in, std::size_t* inLeft, std::string& out) {
        std::array<char, 1024> buffer{};
        while (*inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            char* inPtr = const_cast<char*>(*in);
            const std::size_t r = iconv(cd_, &inPtr, inLeft, &outPtr, &outLeft);
            *in = inPtr;
            out.append(buffer.data(), buffer.size() - outLeft);
            if (r == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) continue;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

  private:
    iconv_t cd_;
};

// Opening a converter costs far more than a short conversion, and readers convert field by field:
// each thread keeps one of each direction.
Converter& Decoder() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

Converter& Encoder() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

}  // namespace

Cp932Decoded DecodeCp932(std::string_view bytes) {
    Cp932Decoded result;
    Converter& conv = Decoder();
    conv.Reset();
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        if (conv.ok() && conv.Run(&in, &left, result.text)) break;
        // One bad byte becomes one replacement character; decoding resumes right after it.
        AppendUtf8(result.text, 0xFFFD);
        ++result.invalid;
        ++in;
        --left;
    }
    return result;
}

Cp932Encoded EncodeCp932(std::string_view utf8) {
    Cp932Encoded result;
    Converter& conv = Encoder();
    conv.Reset();
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    while (left > 0) {
        if (conv.ok() && conv.Run(&in, &left, result.bytes)) break;
        const std::size_t offset = static_cast<std::size_t>(in - utf8.data());
        const std::size_t skip = Utf8SequenceLength(utf8, offset);
        result.bytes += '?';
        ++result.unmappable;
        in += skip;
        left -= skip;
    }
    return result;
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    return EncodeCp932(utf8).bytes.size();
}

}  // namespace torva
