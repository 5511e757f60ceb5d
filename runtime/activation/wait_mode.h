#pragma once
// The wait mode a start actually uses: a page-wide mode overrides every button of the page.

#include <cstdint>

namespace torva::activation {

enum WaitMode : int {
    kWaitNone = 0,         // the program runs on its own
    kWaitMark = 1,         // the button stays marked running until the program ends
    kWaitHide = 2,         // ... and the menu is hidden meanwhile
    kWaitLock = 3,         // ... and the menu is disabled meanwhile
    kWaitLockAndHide = 4,  // ... disabled and hidden
};

// Values outside 0..4 never come out of the reader; should one slip through it is treated as 0 so
// that nothing is locked that would never be released.
constexpr int NormalisedWaitMode(int value) {
    return value >= 0 && value <= 4 ? value : kWaitNone;
}

constexpr int EffectiveWaitMode(int pageWaitMode, int runOption) {
    const int page = NormalisedWaitMode(pageWaitMode);
    return page != kWaitNone ? page : NormalisedWaitMode(runOption);
}

constexpr bool WaitsForProgram(int mode) {
    return mode != kWaitNone;
}
constexpr bool LocksMenu(int mode) {
    return mode == kWaitLock || mode == kWaitLockAndHide;
}
constexpr bool HidesMenu(int mode) {
    return mode == kWaitHide || mode == kWaitLockAndHide;
}
// A program that hid or locked the menu hands it back when it ends: shown in its window state and
// brought to the front, whether it was hidden, minimised or only left behind the program.
constexpr bool BringsMenuBack(int mode) {
    return HidesMenu(mode) || LocksMenu(mode);
}

}  // namespace torva::activation
