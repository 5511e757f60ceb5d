#include "editor/focus_keys.h"

#include <gtest/gtest.h>

#include "editor/window_state.h"

namespace torva::editor {
namespace {

constexpr int T1 = kMainTitle;
constexpr int T2 = kSubTitle;
constexpr int X = -1;  // the key does nothing

struct KeyCase {
    int mode;
    int from;
    EditorKey key;
    int to;
};

std::string Describe(const KeyCase& c) {
    return "mode " + std::to_string(c.mode) + " from " + std::to_string(c.from) + " key " +
           std::to_string(static_cast<int>(c.key));
}

class SelectionMoves : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SelectionMoves, FollowTheTable) {
    const KeyCase& c = GetParam();
    const KeyResult got = KeyOnElement(c.mode, c.from, c.key);
    if (c.to == X) {
        EXPECT_EQ(got, KeyResult{}) << Describe(c);
    } else {
        EXPECT_EQ(got, (KeyResult{KeyEffect::Select, c.to})) << Describe(c);
    }
}

using K = EditorKey;

INSTANTIATE_TEST_SUITE_P(TwoColumnModes, SelectionMoves,
                         ::testing::Values(KeyCase{1, 5, K::Up, 4}, KeyCase{1, 1, K::Up, T2},
                                           KeyCase{1, 11, K::Down, 12}, KeyCase{1, 12, K::Down, T1},
                                           KeyCase{1, 7, K::Left, 1}, KeyCase{1, 12, K::Left, 6},
                                           KeyCase{1, 6, K::Left, X}, KeyCase{1, 1, K::Right, 7},
                                           KeyCase{1, 6, K::Right, 12}, KeyCase{1, 7, K::Right, X},
                                           KeyCase{4, 1, K::Up, T2}, KeyCase{4, 9, K::Left, 3},
                                           KeyCase{8, 12, K::Down, T1}, KeyCase{8, 2, K::Right, 8}));

INSTANTIATE_TEST_SUITE_P(IconRows, SelectionMoves,
                         ::testing::Values(KeyCase{5, 1, K::Left, T2}, KeyCase{5, 2, K::Left, 1},
                                           KeyCase{5, 12, K::Right, T1}, KeyCase{5, 11, K::Right, 12},
                                           KeyCase{5, 1, K::Up, T2}, KeyCase{5, 12, K::Down, T1},
                                           KeyCase{6, 1, K::Left, T2}, KeyCase{6, 12, K::Right, T1},
                                           KeyCase{6, 4, K::Up, 3}));

INSTANTIATE_TEST_SUITE_P(ExtendedMode, SelectionMoves,
                         ::testing::Values(KeyCase{9, 24, K::Down, T1}, KeyCase{9, 12, K::Down, 13},
                                           KeyCase{9, 1, K::Up, T2}, KeyCase{9, 9, K::Left, 1},
                                           KeyCase{9, 8, K::Left, X}, KeyCase{9, 16, K::Right, 24},
                                           KeyCase{9, 17, K::Right, X}, KeyCase{9, 24, K::Left, 16}));

INSTANTIATE_TEST_SUITE_P(SideModes, SelectionMoves,
                         ::testing::Values(KeyCase{2, 1, K::Up, T2}, KeyCase{2, 12, K::Down, T1},
                                           KeyCase{2, 5, K::Left, X}, KeyCase{2, 5, K::Right, X},
                                           KeyCase{3, 3, K::Down, 4}, KeyCase{3, 3, K::Left, X}));

INSTANTIATE_TEST_SUITE_P(VerticalBarWraps, SelectionMoves,
                         ::testing::Values(KeyCase{7, 12, K::Down, 1}, KeyCase{7, 1, K::Up, 12},
                                           KeyCase{7, 6, K::Down, 7}, KeyCase{7, 6, K::Left, X},
                                           KeyCase{7, 6, K::Right, X}));

INSTANTIATE_TEST_SUITE_P(Titles, SelectionMoves,
                         ::testing::Values(KeyCase{1, T2, K::Up, T1}, KeyCase{1, T1, K::Up, 12},
                                           KeyCase{9, T1, K::Up, 24}, KeyCase{1, T1, K::Down, T2},
                                           KeyCase{1, T2, K::Down, 1}, KeyCase{9, T2, K::Down, 1},
                                           KeyCase{5, T1, K::Left, X}, KeyCase{5, T2, K::Right, X}));

INSTANTIATE_TEST_SUITE_P(
    NothingToMove, SelectionMoves,
    ::testing::Values(
        // Slots beyond the mode's count are hidden and the nothing-selected state moves nowhere.
        KeyCase{1, 13, K::Down, X}, KeyCase{1, 0, K::Down, X}, KeyCase{1, 99, K::Up, X},
        KeyCase{0, 3, K::Down, X}, KeyCase{10, 3, K::Down, X}));

TEST(EditorKeys, EnterOpensTheSelectedElementsDialog) {
    EXPECT_EQ(KeyOnElement(1, 3, K::Enter).effect, KeyEffect::OpenDialog);
    EXPECT_EQ(KeyOnElement(7, T1, K::Enter).effect, KeyEffect::OpenDialog);
    EXPECT_EQ(KeyOnElement(1, 0, K::Enter).effect, KeyEffect::None);
}

TEST(EditorKeys, PageKeysWorkOnEveryElement) {
    for (const int element : {1, 12, T1, T2}) {
        EXPECT_EQ(KeyOnElement(1, element, K::Home).effect, KeyEffect::FirstPage);
        EXPECT_EQ(KeyOnElement(5, element, K::PageUp).effect, KeyEffect::PreviousPage);
        EXPECT_EQ(KeyOnElement(7, element, K::PageDown).effect, KeyEffect::NextPage);
        EXPECT_EQ(KeyOnElement(9, element, K::End).effect, KeyEffect::LastPage);
    }
}

TEST(PageMoves, StopAtBothEnds) {
    EXPECT_EQ(PageAfterMove(1, KeyEffect::FirstPage), 0);
    EXPECT_EQ(PageAfterMove(1, KeyEffect::PreviousPage), 0);
    EXPECT_EQ(PageAfterMove(1, KeyEffect::NextPage), 2);
    EXPECT_EQ(PageAfterMove(1, KeyEffect::LastPage), 99);
    EXPECT_EQ(PageAfterMove(50, KeyEffect::FirstPage), 1);
    EXPECT_EQ(PageAfterMove(50, KeyEffect::PreviousPage), 49);
    EXPECT_EQ(PageAfterMove(99, KeyEffect::NextPage), 0);
    EXPECT_EQ(PageAfterMove(99, KeyEffect::LastPage), 0);
    EXPECT_EQ(PageAfterMove(99, KeyEffect::PreviousPage), 98);
    EXPECT_EQ(PageAfterMove(2, KeyEffect::Select), 0);
}

}  // namespace
}  // namespace torva::editor
