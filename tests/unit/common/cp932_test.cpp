// The native codec: the byte-exact edge between UTF-8 inside and Shift-JIS files.
#include "common/cp932.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/unit/common/cp932_cases.h"

namespace torva {
namespace {

TEST(Cp932, DecodesAndEncodesTheTables) {
    testing::ExpectCp932Tables();
}

TEST(Cp932, EveryValidDoubleByteCharacterRoundTrips) {
    testing::ExpectEveryDoubleByteCodeRoundTrips();
}

TEST(Cp932, ConvertersAreNotSharedBetweenThreadsOrCalls) {
    // A failed conversion must not leave state behind for the next call, on any thread.
    auto work = [] {
        int wrong = 0;
        for (int i = 0; i < 200; ++i) {
            if (DecodeCp932("A\x81").invalid != 1) ++wrong;
            if (Cp932ToUtf8("\x95\x5C") != "表") ++wrong;
            if (EncodeCp932("a\xF0\x9F\x98\x80").bytes != "a?") ++wrong;
            if (Utf8ToCp932("ソ") != "\x83\x5C") ++wrong;
        }
        return wrong;
    };
    std::vector<int> wrong(4, -1);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < wrong.size(); ++t) threads.emplace_back([&, t] { wrong[t] = work(); });
    for (auto& thread : threads) thread.join();
    for (const int w : wrong) EXPECT_EQ(w, 0);
}

TEST(Cp932, RoundTripsLongMixedText) {
    std::string text;
    for (int i = 0; i < 500; ++i) text += "メニュー定義ﾌｧｲﾙ C:\\表\\ソフト\\";
    const auto encoded = EncodeCp932(text);
    EXPECT_EQ(encoded.unmappable, 0u);
    EXPECT_EQ(Cp932ToUtf8(encoded.bytes), text);
}

}  // namespace
}  // namespace torva
