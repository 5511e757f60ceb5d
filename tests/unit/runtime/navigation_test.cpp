#include "runtime/navigation.h"

#include <gtest/gtest.h>

namespace torva::runtime {
namespace {

struct NavCase {
    int mode;
    int from;
    ArrowKey key;
    int to;  // 0: the key does nothing
};

class ArrowKeys : public testing::TestWithParam<NavCase> {};

TEST_P(ArrowKeys, MoveAsTabled) {
    const auto& c = GetParam();
    EXPECT_EQ(NextFocusButton(c.mode, c.from, c.key), c.to);
}

using K = ArrowKey;
INSTANTIATE_TEST_SUITE_P(TwoColumns, ArrowKeys,
                         testing::Values(NavCase{1, 7, K::Left, 1}, NavCase{1, 12, K::Left, 6},
                                         NavCase{1, 6, K::Left, 0}, NavCase{1, 1, K::Right, 7},
                                         NavCase{1, 6, K::Right, 12}, NavCase{1, 7, K::Right, 0},
                                         NavCase{4, 3, K::Right, 9}, NavCase{8, 9, K::Left, 3},
                                         NavCase{1, 1, K::Up, 12}, NavCase{1, 12, K::Down, 1},
                                         NavCase{1, 6, K::Down, 7}, NavCase{8, 7, K::Up, 6}));
INSTANTIATE_TEST_SUITE_P(Rows, ArrowKeys,
                         testing::Values(NavCase{5, 1, K::Left, 12}, NavCase{5, 12, K::Right, 1},
                                         NavCase{6, 5, K::Left, 4}, NavCase{6, 5, K::Right, 6},
                                         NavCase{5, 1, K::Up, 12}, NavCase{6, 12, K::Down, 1}));
INSTANTIATE_TEST_SUITE_P(ThreeColumns, ArrowKeys,
                         testing::Values(NavCase{9, 9, K::Left, 1}, NavCase{9, 24, K::Left, 16},
                                         NavCase{9, 8, K::Left, 0}, NavCase{9, 1, K::Right, 9},
                                         NavCase{9, 16, K::Right, 24}, NavCase{9, 17, K::Right, 0},
                                         NavCase{9, 24, K::Down, 1}, NavCase{9, 1, K::Up, 24},
                                         NavCase{9, 12, K::Down, 13}));
INSTANTIATE_TEST_SUITE_P(Columns, ArrowKeys,
                         testing::Values(NavCase{2, 5, K::Left, 0}, NavCase{3, 5, K::Right, 0},
                                         NavCase{7, 1, K::Up, 12}, NavCase{7, 12, K::Down, 1},
                                         NavCase{2, 4, K::Down, 5}, NavCase{3, 4, K::Up, 3}));
INSTANTIATE_TEST_SUITE_P(OutOfRange, ArrowKeys,
                         testing::Values(NavCase{1, 0, K::Down, 0}, NavCase{1, 13, K::Up, 0},
                                         NavCase{9, 25, K::Down, 0}));

DefinedPages Pages(std::initializer_list<int> numbers) {
    DefinedPages d{};
    for (int n : numbers) d[n] = true;
    return d;
}

TEST(PageKeys, SkipUndefinedPagesAndWrap) {
    const auto d = Pages({1, 3, 99});
    EXPECT_EQ(NextDefinedPage(1, true, d), 3);
    EXPECT_EQ(NextDefinedPage(3, true, d), 99);
    EXPECT_EQ(NextDefinedPage(99, true, d), 1);
    EXPECT_EQ(NextDefinedPage(1, false, d), 99);
    EXPECT_EQ(NextDefinedPage(99, false, d), 3);
    EXPECT_EQ(NextDefinedPage(3, false, d), 1);
}

TEST(PageKeys, OnlyPageStaysOnItself) {
    const auto d = Pages({1});
    EXPECT_EQ(NextDefinedPage(1, true, d), 1);
    EXPECT_EQ(NextDefinedPage(1, false, d), 1);
}

TEST(PageKeys, CurrentPageOutsideTheRangeStillFindsAPage) {
    const auto d = Pages({5});
    EXPECT_EQ(NextDefinedPage(0, true, d), 5);
    EXPECT_EQ(NextDefinedPage(150, false, d), 5);
}

}  // namespace
}  // namespace torva::runtime
