// One build of the test variables: a release build ignores a set TORVA_POWER_LOG (a stray variable
// must never stop a log-off or a shut-down on a user's desk); a test build reads it.
#include "platform/win32/hooks/test_hooks.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace torva::test {
namespace {

TEST(TestHooks, TheVariablesCountOnlyInATestBuild) {
    const std::string value = "C:\\logs\\power ログ.txt";
    const std::wstring wide = L"C:\\logs\\power \x30ED\x30B0.txt";
    ASSERT_TRUE(SetEnvironmentVariableW(L"TORVA_POWER_LOG", wide.c_str()));
    EXPECT_EQ(win32::TestHooksEnabled(), TORVA_EXPECT_HOOKS != 0);
    EXPECT_EQ(win32::TestHookValue("TORVA_POWER_LOG"), TORVA_EXPECT_HOOKS ? value : std::string());
    ASSERT_TRUE(SetEnvironmentVariableW(L"TORVA_POWER_LOG", nullptr));
    EXPECT_EQ(win32::TestHookValue("TORVA_POWER_LOG"), "");
}

}  // namespace
}  // namespace torva::test
