#include "runtime/activation/timed_starts.h"

#include <cctype>

namespace torva::activation {

namespace {

constexpr int kMinutesPerDay = 1440;

std::optional<int> SmallNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 2) return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::optional<int> MinutesOfTime(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const auto hours = SmallNumber(text.substr(0, colon));
    const auto minutes = SmallNumber(text.substr(colon + 1));
    if (!hours || !minutes || *minutes > 59) return std::nullopt;
    return *hours * 60 + *minutes;
}

int ClockTarget(int entryMinutes, int nowMinutes) {
    if (entryMinutes <= nowMinutes) return entryMinutes - nowMinutes + kMinutesPerDay;
    return entryMinutes - nowMinutes;
}

TimedStarts::Slot* TimedStarts::SlotOf(TimedKind kind, int n) {
    if (n < 1 || n > 2) return nullptr;
    auto& slots = kind == TimedKind::Elapsed ? elapsed_ : clock_;
    return &slots[static_cast<std::size_t>(n - 1)];
}

const TimedStarts::Slot* TimedStarts::SlotOf(TimedKind kind, int n) const {
    if (n < 1 || n > 2) return nullptr;
    const auto& slots = kind == TimedKind::Elapsed ? elapsed_ : clock_;
    return &slots[static_cast<std::size_t>(n - 1)];
}

void TimedStarts::Arm(const definition::MenuDefinition& def, int nowMinutes) {
    for (int n = 1; n <= 2; ++n) {
        const definition::TimedStart& elapsed = def.ElapsedStart(n);
        Slot& e = *SlotOf(TimedKind::Elapsed, n);
        e = Slot{};
        if (!elapsed.time.empty() && elapsed.page != 0 && elapsed.button != 0) {
            const auto minutes = MinutesOfTime(elapsed.time);
            if (minutes && *minutes > 0) {
                e = Slot{true, static_cast<int16_t>(*minutes), 0, elapsed.page, elapsed.button};
            }
        }

        const definition::TimedStart& clock = def.ClockStart(n);
        Slot& c = *SlotOf(TimedKind::Clock, n);
        c = Slot{};
        if (!clock.time.empty() && clock.page != 0 && clock.button != 0) {
            const auto minutes = MinutesOfTime(clock.time);
            if (minutes) {
                const int target = ClockTarget(*minutes, nowMinutes);
                c = Slot{true, static_cast<int16_t>(target), 0, clock.page, clock.button};
            }
        }
    }
}

bool TimedStarts::Armed(TimedKind kind, int n) const {
    const Slot* slot = SlotOf(kind, n);
    return slot && slot->armed;
}

int TimedStarts::Target(TimedKind kind, int n) const {
    const Slot* slot = SlotOf(kind, n);
    return slot ? slot->target : 0;
}

std::optional<TimedFire> TimedStarts::Tick(TimedKind kind, int n) {
    Slot* slot = SlotOf(kind, n);
    if (!slot || !slot->armed) return std::nullopt;
    if (slot->ticks < slot->target) ++slot->ticks;
    if (slot->ticks != slot->target) return std::nullopt;
    slot->armed = false;
    return TimedFire{slot->page, slot->button};
}

unsigned TimedStartTickMs(std::string_view testMinute) {
    if (testMinute.empty() || testMinute.size() > 5) return kTimedStartIntervalMs;
    unsigned value = 0;
    for (const char c : testMinute) {
        if (c < '0' || c > '9') return kTimedStartIntervalMs;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value >= 1 && value <= kTimedStartIntervalMs ? value : kTimedStartIntervalMs;
}

}  // namespace torva::activation
