#include "editor/dialogs/timed_start_dialog.h"

#include <cstdio>
#include <optional>

#include "common/utf8.h"
#include "editor/dialogs/button_dialog.h"
#include "editor/dialogs/field_text.h"

namespace torva::editor::dialogs {

namespace {

std::string NumberOrEmpty(uint8_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

struct HoursMinutes {
    long long hours = 0;
    long long minutes = 0;
};

bool StartsWithNumber(std::string_view part) {
    std::size_t pos = 0;
    while (pos < part.size() && part[pos] == ' ') ++pos;
    if (pos < part.size() && (part[pos] == '+' || part[pos] == '-')) ++pos;
    return pos < part.size() && part[pos] >= '0' && part[pos] <= '9';
}

// Hours before the first ":" and minutes after it, when both sides begin with a number.
std::optional<HoursMinutes> SplitTime(std::string_view time) {
    const std::size_t colon = time.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view hours = time.substr(0, colon);
    const std::string_view minutes = time.substr(colon + 1);
    if (!StartsWithNumber(hours) || !StartsWithNumber(minutes)) return std::nullopt;
    return HoursMinutes{LeadingWhole(hours), LeadingWhole(minutes)};
}

std::string TwoDigits(long long value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%02lld", value);
    return buffer;
}

uint8_t StoredNumber(const std::string& text) {
    return TrimBlanks(text).empty() ? 0 : ClampToByte(LeadingWhole(text));
}

}  // namespace

TimedStartDialogModel::TimedStartDialogModel(const definition::MenuDefinition& def) {
    for (std::size_t row = 0; row < definition::kEntryCount; ++row) {
        const definition::TimedStart& elapsed = def.elapsedStarts[row];
        copies_[kElapsedSide][row] = {elapsed.time, NumberOrEmpty(elapsed.page),
                                      NumberOrEmpty(elapsed.button)};
        const definition::TimedStart& clock = def.clockStarts[row];
        copies_[kClockSide][row] = {clock.time, NumberOrEmpty(clock.page), NumberOrEmpty(clock.button)};
    }
}

std::array<std::string_view, definition::kEntryCount> TimedStartDialogModel::RowTitles(int side) {
    if (side == kClockSide) return {"起動時刻１", "起動時刻２"};
    return {"経過時刻１", "経過時刻２"};
}

void TimedStartDialogModel::SaveShown(const TimedSideTexts& boxes) {
    TimedSideTexts& copy = copies_[static_cast<std::size_t>(side_)];
    for (std::size_t row = 0; row < copy.size(); ++row) {
        copy[row] = {TrimBlanks(boxes[row].time), boxes[row].page, boxes[row].button};
    }
}

bool TimedStartDialogModel::SwitchSide(int side, const TimedSideTexts& boxes) {
    if (side == side_ || (side != kElapsedSide && side != kClockSide)) return false;
    SaveShown(boxes);
    side_ = side;
    return true;
}

std::string TimedStartDialogModel::LeaveTime(std::string_view text) {
    return TrimBlanks(text);
}

std::string TimedStartDialogModel::LeaveNumber(std::string_view text) {
    if (TrimBlanks(text).empty()) return std::string(text);
    return LeadingNumberText(text);
}

std::vector<TimedFailure> TimedStartDialogModel::Check(int displayMode) const {
    std::vector<TimedFailure> failures;
    const long long buttonLimit = definition::ButtonsForMode(displayMode);
    for (int side : {kElapsedSide, kClockSide}) {
        for (int row = 0; row < definition::kEntryCount; ++row) {
            const TimedRowTexts& texts =
                copies_[static_cast<std::size_t>(side)][static_cast<std::size_t>(row)];
            if (!texts.time.empty()) {
                const auto parts = SplitTime(texts.time);
                const bool good = parts && parts->hours >= 0 && parts->hours <= 23 && parts->minutes >= 0 &&
                                  parts->minutes <= 59;
                if (!good) failures.push_back({std::string(kWrongTime), side, row, TimedField::Time});
            }
            if (!TrimBlanks(texts.page).empty()) {
                const long long page = LeadingWhole(texts.page);
                if (page < 1 || page > definition::kPageCount) {
                    failures.push_back({std::string(kWrongPage), side, row, TimedField::Page});
                }
            }
            if (!TrimBlanks(texts.button).empty()) {
                const long long button = LeadingWhole(texts.button);
                if (button < 1 || button > buttonLimit) {
                    failures.push_back({std::string(kWrongButtonNumber), side, row, TimedField::Button});
                }
            }
        }
    }
    return failures;
}

std::string TimedStartDialogModel::StoredTime(std::string_view time) {
    const auto parts = SplitTime(time);
    if (!parts) return std::string(time);
    return TwoDigits(parts->hours) + ":" + TwoDigits(parts->minutes);
}

void TimedStartDialogModel::Store(definition::MenuDefinition& def) const {
    for (std::size_t row = 0; row < definition::kEntryCount; ++row) {
        const TimedRowTexts& elapsed = copies_[kElapsedSide][row];
        def.elapsedStarts[row] = {StoredTime(elapsed.time), StoredNumber(elapsed.page),
                                  StoredNumber(elapsed.button)};
        const TimedRowTexts& clock = copies_[kClockSide][row];
        def.clockStarts[row] = {StoredTime(clock.time), StoredNumber(clock.page), StoredNumber(clock.button)};
    }
}

}  // namespace torva::editor::dialogs
