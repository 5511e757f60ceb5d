#include "runtime/activation/running_list.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace torva::activation {
namespace {

// For the tests where every program without a window has ended.
bool Ended(uint32_t) {
    return true;
}

TEST(RunningPrograms, OneEndedProgramReleasesExactlyItsButton) {
    RunningPrograms r;
    ASSERT_TRUE(r.Add(1, 1, 11));
    ASSERT_TRUE(r.Add(1, 2, 12));
    ASSERT_TRUE(r.Add(3, 24, 13));
    std::set<uint32_t> alive{11, 13};
    std::vector<int> released;
    const auto removed = r.Poll([&](uint32_t pid) { return alive.count(pid) != 0; }, Ended,
                                [&](const RunningEntry& e) { released.push_back(e.page * 100 + e.button); });
    EXPECT_EQ(removed, 1u);
    EXPECT_EQ(released, std::vector<int>{102});
    EXPECT_TRUE(r.IsRunning(1, 1));
    EXPECT_FALSE(r.IsRunning(1, 2));
    EXPECT_TRUE(r.IsRunning(3, 24));
    EXPECT_EQ(r.ProcessOf(3, 24), 13u);
    EXPECT_EQ(r.ProcessOf(1, 2), 0u);
    ASSERT_EQ(r.Count(), 2u);
    EXPECT_EQ(r.Entry(0).processId, 11u);  // order kept
    EXPECT_EQ(r.Entry(1).processId, 13u);
}

TEST(RunningPrograms, AdjacentEndedEntriesAreAllRemovedInOnePoll) {
    RunningPrograms r;
    for (int b = 1; b <= 5; ++b) ASSERT_TRUE(r.Add(1, b, static_cast<uint32_t>(b)));
    std::vector<uint32_t> order;
    r.Poll([](uint32_t pid) { return pid == 3; }, Ended,
           [&](const RunningEntry& e) { order.push_back(e.processId); });
    EXPECT_EQ(order, (std::vector<uint32_t>{1, 2, 4, 5}));
    ASSERT_EQ(r.Count(), 1u);
    EXPECT_EQ(r.Entry(0).button, 3);
}

TEST(RunningPrograms, HoldsNinetyNineEntriesAndRefusesTheHundredth) {
    RunningPrograms r;
    for (int i = 0; i < 99; ++i) ASSERT_TRUE(r.Add(i / 24 + 1, i % 24 + 1, static_cast<uint32_t>(i + 1)));
    EXPECT_TRUE(r.IsFull());
    EXPECT_FALSE(r.Add(50, 1, 500));
    EXPECT_FALSE(r.IsRunning(50, 1));
    r.Poll([](uint32_t pid) { return pid != 99; }, Ended, nullptr);
    EXPECT_FALSE(r.IsFull());
    EXPECT_TRUE(r.Add(50, 1, 500));
}

TEST(RunningPrograms, RefusesWhatIsNotARealButtonOrProcess) {
    RunningPrograms r;
    EXPECT_FALSE(r.Add(0, 1, 5));
    EXPECT_FALSE(r.Add(100, 1, 5));
    EXPECT_FALSE(r.Add(1, 0, 5));
    EXPECT_FALSE(r.Add(1, 25, 5));
    EXPECT_FALSE(r.Add(1, 1, 0));
    EXPECT_EQ(r.Count(), 0u);
    EXPECT_FALSE(r.IsRunning(0, 0));
    EXPECT_FALSE(r.IsRunning(100, 25));
}

TEST(RunningPrograms, AnOldEntryDoesNotClearANewerMarkOfTheSameButton) {
    RunningPrograms r;
    ASSERT_TRUE(r.Add(2, 7, 70));
    ASSERT_TRUE(r.Add(2, 7, 71));  // e.g. started again by a timed start while listed
    r.Poll([](uint32_t pid) { return pid == 71; }, Ended, nullptr);
    EXPECT_TRUE(r.IsRunning(2, 7));
    EXPECT_EQ(r.ProcessOf(2, 7), 71u);
    r.Clear();
    EXPECT_EQ(r.Count(), 0u);
    EXPECT_FALSE(r.IsRunning(2, 7));
}

// A program that has not shown a window yet is still starting (a busy machine can take longer than
// one poll for that): it is held until the window it then shows is closed, or until its process ends.
TEST(RunningPrograms, AProgramIsHeldUntilItsFirstWindowClosesOrItsProcessEnds) {
    struct Look {
        bool window;
        bool processEnded;
        bool stillRunning;  // after this poll
    };
    struct Row {
        const char* name;
        std::vector<Look> polls;
    };
    const Row rows[] = {
        {"slow start, window, window closed",
         {{false, false, true}, {false, false, true}, {true, false, true}, {false, false, false}}},
        {"no window ever, process ends", {{false, false, true}, {false, false, true}, {false, true, false}}},
        {"ended before the first poll", {{false, true, false}}},
        {"window closed and process ended at once", {{true, false, true}, {false, true, false}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RunningPrograms r;
        ASSERT_TRUE(r.Add(4, 9, 40));
        ASSERT_TRUE(r.Add(4, 10, 41));  // a neighbour that keeps its window throughout
        int released = 0;
        for (const Look& look : row.polls) {
            r.Poll([&](uint32_t pid) { return pid == 41 || look.window; },
                   [&](uint32_t pid) { return pid == 40 && look.processEnded; },
                   [&](const RunningEntry& e) {
                       EXPECT_EQ(e.processId, 40u);
                       ++released;
                   });
            EXPECT_EQ(r.IsRunning(4, 9), look.stillRunning);
            EXPECT_TRUE(r.IsRunning(4, 10));
        }
        EXPECT_EQ(released, 1);
    }
}

}  // namespace
}  // namespace torva::activation
