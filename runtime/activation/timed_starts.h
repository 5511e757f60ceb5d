#pragma once
// The four one-shot timed starts of a menu run: two after an elapsed time since the window was
// loaded, two at a clock time. Each ticks once a minute; when its count reaches the target it fires
// once, as a press of its button on its page.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "definition/menu_definition.h"

namespace torva::activation {

enum class TimedKind { Elapsed, Clock };

inline constexpr unsigned kTimedStartIntervalMs = 60000;
// The variable through which a test build shortens the minute of the timed starts.
inline constexpr char kMinuteVariable[] = "TORVA_MINUTE_MS";

// The tick of the timed starts: a minute, or the milliseconds a test build was given (a whole number
// from 1 to 60000); anything else, an empty text included, is a minute.
unsigned TimedStartTickMs(std::string_view testMinute);

// Minutes of a "hh:mm" text (hours 0..99, minutes 0..59, one or two digits each); nothing when the
// text is not such a time.
std::optional<int> MinutesOfTime(std::string_view text);

struct TimedFire {
    int page = 0;
    int button = 0;
};

class TimedStarts {
  public:
    // Arms the entries of the definition. nowMinutes is the current clock time in minutes since
    // midnight (hours × 60 + minutes). An elapsed entry of 00:00 would never fire: it is not armed,
    // so no timer runs for it.
    void Arm(const definition::MenuDefinition& def, int nowMinutes);

    // Entry n is 1 or 2.
    bool Armed(TimedKind kind, int n) const;
    int Target(TimedKind kind, int n) const;

    // One minute has passed for entry n. Returns the press to make when the entry fires; the entry
    // is disarmed before that, so a press that opens a modal dialog cannot fire it again.
    std::optional<TimedFire> Tick(TimedKind kind, int n);

  private:
    struct Slot {
        bool armed = false;
        int16_t target = 0;
        int16_t ticks = 0;  // never passes target: the slot disarms when it gets there
        int page = 0;
        int button = 0;
    };
    Slot* SlotOf(TimedKind kind, int n);
    const Slot* SlotOf(TimedKind kind, int n) const;

    std::array<Slot, 2> elapsed_{};
    std::array<Slot, 2> clock_{};
};

// Target of a clock entry armed at nowMinutes: the minutes until the entry's time, where a time not
// later than now is the same time tomorrow (an entry equal to now fires after 24 hours).
int ClockTarget(int entryMinutes, int nowMinutes);

}  // namespace torva::activation
