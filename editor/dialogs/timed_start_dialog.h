#pragma once
// The timed-start dialog's logic: two sides (elapsed-time and clock-time starts) of two rows each,
// edited in working copies that survive switching sides; the checks of OK and the "hh:mm" form stored.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "definition/menu_definition.h"

namespace torva::editor::dialogs {

inline constexpr int kElapsedSide = 0;
inline constexpr int kClockSide = 1;

struct TimedRowTexts {
    std::string time;
    std::string page;
    std::string button;

    bool operator==(const TimedRowTexts&) const = default;
};
using TimedSideTexts = std::array<TimedRowTexts, definition::kEntryCount>;

enum class TimedField { Time, Page, Button };

struct TimedFailure {
    std::string message;
    int side = kElapsedSide;
    int row = 0;  // 0 or 1
    TimedField field = TimedField::Time;
};

inline constexpr std::string_view kWrongTime = "時刻の指定に誤りがあります。";

class TimedStartDialogModel {
  public:
    explicit TimedStartDialogModel(const definition::MenuDefinition& def);

    // Row titles of a side ("経過時刻１", "経過時刻２" / "起動時刻１", "起動時刻２").
    static std::array<std::string_view, definition::kEntryCount> RowTitles(int side);

    // The texts the boxes show for the side now shown.
    const TimedSideTexts& Shown() const { return copies_[static_cast<std::size_t>(side_)]; }
    int side() const { return side_; }

    // Keeps what the boxes hold (times trimmed) in the working copy of the side shown.
    void SaveShown(const TimedSideTexts& boxes);

    // Switches to another side after keeping the boxes; false when that side is already shown.
    bool SwitchSide(int side, const TimedSideTexts& boxes);

    // Leave rules: a time is trimmed; a page or button that is not blank becomes its leading number.
    static std::string LeaveTime(std::string_view text);
    static std::string LeaveNumber(std::string_view text);

    // The checks of OK over the working copies, elapsed side first, row by row.
    std::vector<TimedFailure> Check(int displayMode) const;

    // Stores both sides: times in the "hh:mm" form where they have one, empty numbers as 0.
    void Store(definition::MenuDefinition& def) const;

    // The stored form of a time: hours and minutes as two digits each; a text without a number on both
    // sides of its ":" is kept as typed.
    static std::string StoredTime(std::string_view time);

    const TimedSideTexts& Copy(int side) const { return copies_.at(static_cast<std::size_t>(side)); }

  private:
    std::array<TimedSideTexts, 2> copies_{};
    int side_ = kElapsedSide;
};

}  // namespace torva::editor::dialogs
