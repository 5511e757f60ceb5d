#include "editor/dialogs/timed_start_dialog.h"

#include <gtest/gtest.h>

#include "editor/dialogs/button_dialog.h"
#include "editor/dialogs/store_question.h"

namespace torva::editor::dialogs {
namespace {

using definition::MenuDefinition;
using definition::TimedStart;

std::unique_ptr<MenuDefinition> Definition() {
    auto def = std::make_unique<MenuDefinition>();
    def->elapsedStarts[0] = {"00:10", 2, 3};
    def->elapsedStarts[1] = {"", 0, 0};
    def->clockStarts[0] = {"12:30", 0, 5};
    def->clockStarts[1] = {"23:59", 99, 12};
    return def;
}

TEST(TimedStartDialog, OpensWithZerosAsEmptyBoxes) {
    const auto def = Definition();
    const TimedStartDialogModel model(*def);
    EXPECT_EQ(model.side(), kElapsedSide);
    EXPECT_EQ(model.Shown()[0], (TimedRowTexts{"00:10", "2", "3"}));
    EXPECT_EQ(model.Shown()[1], (TimedRowTexts{"", "", ""}));
    EXPECT_EQ(model.Copy(kClockSide)[0], (TimedRowTexts{"12:30", "", "5"}));
    EXPECT_EQ(model.Copy(kClockSide)[1], (TimedRowTexts{"23:59", "99", "12"}));
    EXPECT_EQ(TimedStartDialogModel::RowTitles(kElapsedSide)[1], "経過時刻２");
    EXPECT_EQ(TimedStartDialogModel::RowTitles(kClockSide)[0], "起動時刻１");
}

TEST(TimedStartDialog, SwitchingSidesKeepsBothSides) {
    const auto def = Definition();
    TimedStartDialogModel model(*def);
    TimedSideTexts elapsed = model.Shown();
    elapsed[1] = {" 7:5 ", "4", "6"};
    EXPECT_FALSE(model.SwitchSide(kElapsedSide, elapsed));  // already shown: nothing kept yet
    EXPECT_TRUE(model.SwitchSide(kClockSide, elapsed));
    EXPECT_EQ(model.Shown()[0], (TimedRowTexts{"12:30", "", "5"}));
    TimedSideTexts clock = model.Shown();
    clock[0].page = "8";
    EXPECT_TRUE(model.SwitchSide(kElapsedSide, clock));
    EXPECT_EQ(model.Shown()[1], (TimedRowTexts{"7:5", "4", "6"}));  // the time trimmed on keeping
    EXPECT_EQ(model.Copy(kClockSide)[0].page, "8");
}

TEST(TimedStartDialog, LeaveRules) {
    EXPECT_EQ(TimedStartDialogModel::LeaveTime("  7:05 "), "7:05");
    EXPECT_EQ(TimedStartDialogModel::LeaveNumber("12abc"), "12");
    EXPECT_EQ(TimedStartDialogModel::LeaveNumber("abc"), "0");
    EXPECT_EQ(TimedStartDialogModel::LeaveNumber(""), "");
    EXPECT_EQ(TimedStartDialogModel::LeaveNumber("   "), "   ");
}

TEST(TimedStartDialog, TimeChecksAndStoredForm) {
    struct Case {
        const char* time;
        bool good;
        const char* stored;
    };
    const Case cases[] = {
        {"7:5", true, "07:05"},     {"07:05", true, "07:05"},  {"0:0", true, "00:00"},
        {"23:59", true, "23:59"},   {"24:00", false, "24:00"}, {"12:60", false, "12:60"},
        {"123:5", false, "123:05"}, {"1230", false, "1230"},   {"ab:cd", false, "ab:cd"},
        {":30", false, ":30"},      {"-1:30", false, "-1:30"}, {"7:5x", true, "07:05"},
        {"7:5:9", true, "07:05"},
    };
    for (const Case& c : cases) {
        auto def = std::make_unique<MenuDefinition>();
        def->clockStarts[1] = {c.time, 1, 1};
        TimedStartDialogModel model(*def);
        const auto failures = model.Check(1);
        EXPECT_EQ(failures.empty(), c.good) << c.time;
        if (!c.good) {
            ASSERT_EQ(failures.size(), 1u) << c.time;
            EXPECT_EQ(failures[0].message, kWrongTime);
            EXPECT_EQ(failures[0].side, kClockSide);
            EXPECT_EQ(failures[0].row, 1);
            EXPECT_EQ(failures[0].field, TimedField::Time);
        }
        model.Store(*def);  // as after Yes
        EXPECT_EQ(def->clockStarts[1].time, c.stored) << c.time;
    }
}

TEST(TimedStartDialog, NumberChecksByDisplayMode) {
    auto def = std::make_unique<MenuDefinition>();
    TimedStartDialogModel model(*def);
    model.SaveShown({TimedRowTexts{"", "100", "13"}, TimedRowTexts{"", "0", "24"}});
    const auto normal = model.Check(1);
    ASSERT_EQ(normal.size(), 4u);
    EXPECT_EQ(normal[0].message, kWrongPage);
    EXPECT_EQ(normal[0].field, TimedField::Page);
    EXPECT_EQ(normal[1].message, kWrongButtonNumber);
    EXPECT_EQ(normal[1].field, TimedField::Button);
    EXPECT_EQ(normal[1].row, 0);
    EXPECT_EQ(normal[2].message, kWrongPage);
    EXPECT_EQ(normal[3].message, kWrongButtonNumber);
    EXPECT_EQ(normal[3].row, 1);
    const auto extended = model.Check(9);  // 24 buttons a page
    ASSERT_EQ(extended.size(), 2u);
    EXPECT_EQ(extended[0].field, TimedField::Page);
    EXPECT_EQ(extended[1].field, TimedField::Page);
}

TEST(TimedStartDialog, OrderIsElapsedFirstThenRows) {
    auto def = std::make_unique<MenuDefinition>();
    def->elapsedStarts[1] = {"99:00", 1, 1};
    def->clockStarts[0] = {"1:00", 200, 1};
    TimedStartDialogModel model(*def);
    const auto failures = model.Check(1);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_EQ(failures[0].side, kElapsedSide);
    EXPECT_EQ(failures[0].row, 1);
    EXPECT_EQ(failures[1].side, kClockSide);
    EXPECT_EQ(failures[1].row, 0);
    EXPECT_EQ(failures[1].field, TimedField::Page);
    // No on the second failure: the dialog stays on the clock side, first row, page box.
    int answers = 0;
    const TimedFailure* refused = FirstRefused(failures, [&](const std::string&) { return answers++ == 0; });
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(refused, &failures[1]);
}

TEST(TimedStartDialog, StoresEmptyNumbersAsZeroAndClampsKeptOnes) {
    auto def = Definition();
    TimedStartDialogModel model(*def);
    model.SaveShown({TimedRowTexts{"", "3", "4"}, TimedRowTexts{"8:0", "300", ""}});
    model.Store(*def);
    EXPECT_EQ(def->elapsedStarts[0], (TimedStart{"", 3, 4}));  // no time: the runtime does not arm it
    EXPECT_EQ(def->elapsedStarts[1], (TimedStart{"08:00", 255, 0}));
    EXPECT_EQ(def->clockStarts[0], (TimedStart{"12:30", 0, 5}));
    EXPECT_EQ(def->clockStarts[1], (TimedStart{"23:59", 99, 12}));
}

}  // namespace
}  // namespace torva::editor::dialogs
