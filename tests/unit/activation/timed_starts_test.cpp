#include "runtime/activation/timed_starts.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace torva::activation {
namespace {

using definition::MenuDefinition;

std::unique_ptr<MenuDefinition> Definition() {
    return std::make_unique<MenuDefinition>();
}

// Ticks entry n until it fires; returns the tick count, or -1 when it did not fire within limit.
int TicksToFire(TimedStarts& t, TimedKind kind, int n, int limit = 40000) {
    for (int i = 1; i <= limit; ++i) {
        if (t.Tick(kind, n)) return i;
    }
    return -1;
}

TEST(MinutesOfTime, ReadsHoursAndMinutes) {
    EXPECT_EQ(MinutesOfTime("00:00"), 0);
    EXPECT_EQ(MinutesOfTime("10:17"), 617);
    EXPECT_EQ(MinutesOfTime("23:59"), 1439);
    EXPECT_EQ(MinutesOfTime("99:59"), 5999);
    EXPECT_EQ(MinutesOfTime("1:5"), 65);
    for (const char* bad : {"", "10", "10:", ":10", "1a:00", "10:60", "100:00", "10:005", "-1:00"}) {
        EXPECT_FALSE(MinutesOfTime(bad)) << bad;
    }
}

TEST(TimedStartTick, AMinuteUnlessATestBuildAsksForLess) {
    struct Row {
        const char* value;
        unsigned tick;
    };
    for (const Row& r : {Row{"", 60000}, Row{"500", 500}, Row{"1", 1}, Row{"60000", 60000}, Row{"0", 60000},
                         Row{"60001", 60000}, Row{"99999", 60000}, Row{"123456", 60000}, Row{"-5", 60000},
                         Row{"5 ", 60000}, Row{"1e3", 60000}}) {
        EXPECT_EQ(TimedStartTickMs(r.value), r.tick) << "\"" << r.value << "\"";
    }
}

TEST(ClockTarget, LaterTodayOrTheSameTimeTomorrow) {
    EXPECT_EQ(ClockTarget(617, 615), 2);     // 10:17 armed at 10:15
    EXPECT_EQ(ClockTarget(615, 615), 1440);  // the same minute: 24 hours
    EXPECT_EQ(ClockTarget(600, 615), 1425);  // earlier today: tomorrow
    EXPECT_EQ(ClockTarget(0, 1439), 1);      // midnight from 23:59
    EXPECT_EQ(ClockTarget(1439, 0), 1439);
}

TEST(TimedStarts, ElapsedEntryFiresOnceAfterItsMinutes) {
    auto def = Definition();
    def->ElapsedStart(1) = {"00:01", 3, 5};
    def->ElapsedStart(2) = {"01:30", 1, 2};
    TimedStarts t;
    t.Arm(*def, 600);
    ASSERT_TRUE(t.Armed(TimedKind::Elapsed, 1));
    const auto fire = t.Tick(TimedKind::Elapsed, 1);
    ASSERT_TRUE(fire);
    EXPECT_EQ(fire->page, 3);
    EXPECT_EQ(fire->button, 5);
    EXPECT_FALSE(t.Armed(TimedKind::Elapsed, 1));
    EXPECT_FALSE(t.Tick(TimedKind::Elapsed, 1));  // one-shot
    EXPECT_EQ(TicksToFire(t, TimedKind::Elapsed, 2), 90);
}

TEST(TimedStarts, EntriesThatAreNotArmed) {
    auto def = Definition();
    def->ElapsedStart(1) = {"00:00", 1, 1};  // zero never fires: not armed at all
    def->ElapsedStart(2) = {"00:05", 0, 1};  // no page
    def->ClockStart(1) = {"10:00", 1, 0};    // no button
    def->ClockStart(2) = {"", 1, 1};         // no time
    TimedStarts t;
    t.Arm(*def, 600);
    EXPECT_FALSE(t.Armed(TimedKind::Elapsed, 1));
    EXPECT_FALSE(t.Armed(TimedKind::Elapsed, 2));
    EXPECT_FALSE(t.Armed(TimedKind::Clock, 1));
    EXPECT_FALSE(t.Armed(TimedKind::Clock, 2));
    // Ticks of an unarmed entry (a late timer message) never fire and never count past the range.
    EXPECT_EQ(TicksToFire(t, TimedKind::Elapsed, 1, 70000), -1);
    EXPECT_FALSE(t.Tick(TimedKind::Clock, 3));
    EXPECT_FALSE(t.Tick(TimedKind::Elapsed, 0));
}

TEST(TimedStarts, ClockEntryOfTheArmingMinuteFiresAfterADay) {
    auto def = Definition();
    def->ClockStart(1) = {"10:15", 2, 4};
    TimedStarts t;
    t.Arm(*def, 10 * 60 + 15);
    EXPECT_EQ(t.Target(TimedKind::Clock, 1), 1440);
    EXPECT_EQ(TicksToFire(t, TimedKind::Clock, 1), 1440);
}

TEST(TimedStarts, TwoClockEntriesOnOneTickFireInOrder) {
    auto def = Definition();
    def->ClockStart(1) = {"10:17", 1, 1};
    def->ClockStart(2) = {"10:17", 2, 2};
    TimedStarts t;
    t.Arm(*def, 10 * 60 + 15);
    std::vector<int> fired;
    for (int minute = 1; minute <= 3; ++minute) {
        for (int n = 1; n <= 2; ++n) {
            if (auto f = t.Tick(TimedKind::Clock, n)) fired.push_back(f->page * 100 + minute);
        }
    }
    EXPECT_EQ(fired, (std::vector<int>{102, 202}));
}

TEST(TimedStarts, RearmingResetsTheCounters) {
    auto def = Definition();
    def->ElapsedStart(1) = {"00:03", 1, 1};
    TimedStarts t;
    t.Arm(*def, 0);
    EXPECT_FALSE(t.Tick(TimedKind::Elapsed, 1));
    EXPECT_FALSE(t.Tick(TimedKind::Elapsed, 1));
    t.Arm(*def, 0);
    EXPECT_EQ(TicksToFire(t, TimedKind::Elapsed, 1), 3);
}

}  // namespace
}  // namespace torva::activation
