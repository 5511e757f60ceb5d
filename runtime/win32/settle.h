#pragma once
// Waiting for a started program to finish its start-up (its first window shown and its input
// queue idle), bounded so that a program that never goes idle cannot hold the menu. The menu's
// messages are dispatched meanwhile: it paints and answers input while it waits.

#include <cstdint>

namespace torva::runtime::win32 {

void WaitUntilStarted(uint32_t processId);

}  // namespace torva::runtime::win32
