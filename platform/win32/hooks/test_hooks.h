#pragma once
// Environment variables through which the end-to-end tests redirect what the programs must never do
// on a test machine (shut it down) or speed up what takes real minutes (timed starts). They are read
// only by a build configured with TORVA_TEST_HOOKS=ON, the test build; the release build that users
// install ignores them, so a stray variable on a user's desk changes nothing.

#include <string>

namespace torva::win32 {

// Whether this build honours the test variables.
bool TestHooksEnabled();

// The variable's value in a test build; always empty in a release build.
std::string TestHookValue(const std::string& name);

}  // namespace torva::win32
