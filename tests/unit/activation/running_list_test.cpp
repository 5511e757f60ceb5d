#include "runtime/activation/running_list.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace torva::activation {
namespace {

TEST(RunningPrograms, OneEndedProgramReleasesExactlyItsButton) {
    RunningPrograms r;
    ASSERT_TRUE(r.Add(1, 1, 11));
    ASSERT_TRUE(r.Add(1, 2, 12));
    ASSERT_TRUE(r.Add(3, 24, 13));
    std::set<uint32_t> alive{11, 13};
    std::vector<int> released;
    const auto removed = r.Poll([&](uint32_t pid) { return alive.count(pid) != 0; },
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
    r.Poll([](uint32_t pid) { return pid == 3; },
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
    r.Poll([](uint32_t pid) { return pid != 99; }, nullptr);
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
    r.Poll([](uint32_t pid) { return pid == 71; }, nullptr);
    EXPECT_TRUE(r.IsRunning(2, 7));
    EXPECT_EQ(r.ProcessOf(2, 7), 71u);
    r.Clear();
    EXPECT_EQ(r.Count(), 0u);
    EXPECT_FALSE(r.IsRunning(2, 7));
}

}  // namespace
}  // namespace torva::activation
