// Machine facts, the program folder, twips, and the power requests redirected to their log.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/append_file.h"
#include "platform/win32/file_system.h"
#include "platform/win32/hooks/test_hooks.h"
#include "platform/win32/module_path.h"
#include "platform/win32/power.h"
#include "platform/win32/power_log.h"
#include "platform/win32/system_info.h"
#include "platform/win32/twips.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

TEST(Win32SystemInfo, FoldersAndNames) {
    win32::Win32SystemInfo info;
    win32::Win32FileSystem files;
    const std::string computer = info.ComputerName();
    EXPECT_FALSE(computer.empty());
    EXPECT_EQ(computer, win32::EnvironmentValue("COMPUTERNAME"));
    for (const std::string& folder : {info.WindowsFolder(), info.SystemFolder(), info.ProgramFolder()}) {
        EXPECT_TRUE(files.IsFolder(folder)) << folder;
        EXPECT_NE(folder.back(), '\\') << folder;
    }
    EXPECT_EQ(info.SystemFolder().rfind(info.WindowsFolder() + "\\", 0), 0u);
    // The test runs from the program folder, beside the probe.
    EXPECT_TRUE(files.Exists(info.ProgramFolder() + "\\TvProbe.exe"));
    EXPECT_EQ(win32::ModulePath(), info.ProgramFolder() + "\\win32_platform.exe");
}

TEST(Win32SystemInfo, TallCaptionOnlyOnVersionFiveOne) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto get = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_TRUE(get);
    get(&version);
    const bool xp = version.dwMajorVersion == 5 && version.dwMinorVersion == 1;
    EXPECT_EQ(win32::Win32SystemInfo().IsTallCaptionPlatform(), xp)
        << version.dwMajorVersion << "." << version.dwMinorVersion;
}

TEST(Twips, ConvertAtTheScreenResolution) {
    static_assert(win32::TwipsToPixels(1440) == 96);
    static_assert(win32::TwipsToPixels(15) == 1);
    static_assert(win32::TwipsToPixels(7) == 0);
    static_assert(win32::TwipsToPixels(8) == 1);  // half a pixel rounds up
    static_assert(win32::TwipsToPixels(-8) == -1);
    static_assert(win32::TwipsToPixels(8955) == 597);
    static_assert(win32::TwipsToPixels(1440, 120) == 120);
    static_assert(win32::PixelsToTwips(96) == 1440);
    static_assert(win32::PixelsToTwips(-3) == -45);
    static_assert(win32::TwipsPerPixel() == 15 && win32::TwipsPerPixel(120) == 12);
    EXPECT_GT(win32::ScreenDpiX(), 0);
    EXPECT_GT(win32::ScreenDpiY(), 0);
}

TEST(Win32Power, RequestsGoToTheLogWhenRedirected) {
    // Without the test variables the requests would be real: this machine would shut down.
    if (!win32::TestHooksEnabled()) GTEST_SKIP() << "a release build performs power requests";
    ScratchFolder scratch;
    const std::string log = scratch.File("power.log");
    ScopedEnvironment redirect(win32::kPowerLogVariable, log);
    win32::Win32Power power;
    EXPECT_TRUE(power.AdjustShutdownPrivilege());
    EXPECT_TRUE(power.ExitWindows(platform::kExitShutdown | platform::kExitForce));
    EXPECT_TRUE(power.ExitWindows(platform::kExitLogoff));
    EXPECT_TRUE(power.RemoteShutdown("PC01", "シャットダウンします\r\n100%", 30, true, false));
    EXPECT_TRUE(power.RemoteShutdown("", "", 0, false, true));
    std::string text;
    ASSERT_TRUE(win32::Win32FileSystem().ReadFile(log, text));
    EXPECT_EQ(text,
              "AdjustPrivilege name=SeShutdownPrivilege\r\n"
              "ExitWindows flags=5\r\n"
              "ExitWindows flags=0\r\n"
              "RemoteShutdown computer=PC01 timeout=30 force=1 reboot=0 "
              "message=シャットダウンします%0D%0A100%25\r\n"
              "RemoteShutdown computer= timeout=0 force=0 reboot=1 message=\r\n");
}

TEST(Win32Power, UnwritableLogFailsInsteadOfShuttingDown) {
    // Without the test variables the requests would be real: this machine would shut down.
    if (!win32::TestHooksEnabled()) GTEST_SKIP() << "a release build performs power requests";
    ScratchFolder scratch;
    ScopedEnvironment redirect(win32::kPowerLogVariable, scratch.File("no folder\\power.log"));
    win32::Win32Power power;
    EXPECT_FALSE(power.ExitWindows(platform::kExitReboot | platform::kExitForce));
    EXPECT_FALSE(power.RemoteShutdown("PC01", "x", 1, true, true));
}

}  // namespace
}  // namespace torva::test
