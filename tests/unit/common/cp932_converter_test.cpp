// The native codec's tables against the C library's converter they are made from: every input of one
// and two bytes, every code point of the BMP and a sample beyond it, malformed UTF-8 of every short
// form, and random mixtures, each compared with a conversion through the converter itself (replacing
// what it refuses exactly as the codec promises).
#include <errno.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <random>
#include <string>

#include "common/cp932.h"
#include "common/utf8.h"
#include "tests/unit/common/cp932_cases.h"

namespace torva {
namespace {

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as far as possible; false with *in at the offending input on a bad or cut sequence.
    bool Run(const char** in, std::size_t* inLeft, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::array<char, 1024> buffer{};
        while (*inLeft > 0) {
            char* outPtr = buffer.data();
            std::size_t outLeft = buffer.size();
            char* inPtr = const_cast<char*>(*in);
            const std::size_t r = iconv(cd_, &inPtr, inLeft, &outPtr, &outLeft);
            *in = inPtr;
            out.append(buffer.data(), buffer.size() - outLeft);
            if (r == static_cast<std::size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

  private:
    iconv_t cd_;
};

Cp932Decoded DecodeByConverter(Converter& conv, std::string_view bytes) {
    Cp932Decoded result;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0 && !conv.Run(&in, &left, result.text)) {
        AppendUtf8(result.text, 0xFFFD);
        ++result.invalid;
        ++in;
        --left;
    }
    return result;
}

Cp932Encoded EncodeByConverter(Converter& conv, std::string_view utf8) {
    Cp932Encoded result;
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    while (left > 0 && !conv.Run(&in, &left, result.bytes)) {
        const std::size_t skip = Utf8SequenceLength(utf8, static_cast<std::size_t>(in - utf8.data()));
        result.bytes += '?';
        ++result.unmappable;
        in += skip;
        left -= skip;
    }
    return result;
}

class Cp932Converter : public ::testing::Test {
  protected:
    void Decodes(const std::string& bytes) {
        const Cp932Decoded expected = DecodeByConverter(decoder_, bytes);
        const Cp932Decoded actual = DecodeCp932(bytes);
        if (actual.text != expected.text || actual.invalid != expected.invalid) {
            ADD_FAILURE() << "decoding " << testing::HexBytes(bytes) << ": " << testing::HexBytes(actual.text)
                          << " (" << actual.invalid << ") instead of " << testing::HexBytes(expected.text)
                          << " (" << expected.invalid << ")";
        }
    }
    void Encodes(const std::string& utf8) {
        const Cp932Encoded expected = EncodeByConverter(encoder_, utf8);
        const Cp932Encoded actual = EncodeCp932(utf8);
        if (actual.bytes != expected.bytes || actual.unmappable != expected.unmappable ||
            Cp932ByteLength(utf8) != expected.bytes.size()) {
            ADD_FAILURE() << "encoding " << testing::HexBytes(utf8) << ": " << testing::HexBytes(actual.bytes)
                          << " (" << actual.unmappable << ") instead of " << testing::HexBytes(expected.bytes)
                          << " (" << expected.unmappable << ")";
        }
    }
    static std::string Bytes(std::initializer_list<int> values) {
        std::string out;
        for (const int v : values) out += static_cast<char>(v);
        return out;
    }

    Converter decoder_{"UTF-8", "CP932"};
    Converter encoder_{"CP932", "UTF-8"};
};

TEST_F(Cp932Converter, ConverterIsThere) {
    ASSERT_TRUE(decoder_.ok());
    ASSERT_TRUE(encoder_.ok());
}

TEST_F(Cp932Converter, DecodesEveryInputOfOneAndTwoBytes) {
    for (int a = 0; a < 256; ++a) {
        Decodes(Bytes({a}));
        for (int b = 0; b < 256; ++b) Decodes(Bytes({a, b}));
    }
}

TEST_F(Cp932Converter, DecodesLeadBytesBeforeEveryPairAndAtTheEnd) {
    // A lead byte whose trail is refused must leave the trail to start the next character.
    for (int lead = 0x80; lead < 256; ++lead) {
        for (const int trail : {0x0A, 0x20, 0x3F, 0x40, 0x7F, 0x80, 0xA0, 0xFC, 0xFD}) {
            Decodes(Bytes({lead, trail, 0x95, 0x5C}));
            Decodes(Bytes({0x41, lead, trail, lead}));
        }
    }
}

TEST_F(Cp932Converter, EncodesEveryCodePointOfTheBmpAndASampleBeyond) {
    for (char32_t cp = 0; cp < 0x110000; cp += cp < 0x10000 ? 1 : 0x3FF) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf8 = "a";
        AppendUtf8(utf8, cp);
        utf8 += "z";
        Encodes(utf8);
    }
}

TEST_F(Cp932Converter, EncodesMalformedUtf8OfEveryShortForm) {
    for (int a = 0x80; a < 256; ++a) {
        Encodes(Bytes({a}));
        for (int b = 0; b < 256; ++b) {
            Encodes(Bytes({a, b}));
            if (a >= 0xE0) {
                for (const int c : {0x00, 0x41, 0x80, 0x9C, 0xBF, 0xC0}) Encodes(Bytes({a, b, c}));
            }
        }
    }
    // Surrogates, overlong forms and values past U+10FFFF in full length.
    for (const auto& s :
         {Bytes({0xED, 0xA0, 0x80}), Bytes({0xED, 0xBF, 0xBF}), Bytes({0xC0, 0x80}), Bytes({0xC1, 0x9C}),
          Bytes({0xE0, 0x81, 0x9C}), Bytes({0xF0, 0x80, 0x81, 0x9C}), Bytes({0xF4, 0x90, 0x80, 0x80}),
          Bytes({0xF5, 0x80, 0x80, 0x80}), Bytes({0xF0, 0x9F, 0x98}), Bytes({0xE3, 0x81})}) {
        Encodes(s);
        Encodes("x" + s + "y");
    }
}

TEST_F(Cp932Converter, ConvertsRandomMixtures) {
    // Pieces that meet at every kind of boundary: valid characters of every width, stray lead and
    // trail bytes, cut sequences, line ends.
    const std::string pieces[] = {"A",
                                  "\\",
                                  "\r\n",
                                  "\x81",
                                  "\x95\x5C",
                                  "\xA0",
                                  "\xD2",
                                  "\x87\x40",
                                  "\xFA\x40",
                                  "\xED\x40",
                                  "\xFD",
                                  "\x80",
                                  "\xE3\x81",
                                  "\xC3",
                                  "表",
                                  "ﾒ",
                                  "～",
                                  "\xE2\x80\x94",
                                  "\xF0\x9F\x98\x80",
                                  "\xEF\xBF\xBD"};
    std::mt19937 rng(932);
    for (int round = 0; round < 20000; ++round) {
        std::string s;
        const int count = static_cast<int>(rng() % 12);
        for (int i = 0; i < count; ++i) s += pieces[rng() % std::size(pieces)];
        Decodes(s);
        Encodes(s);
    }
}

}  // namespace
}  // namespace torva
