// Starting programs, waiting for them and reading their exit codes, with the probe as the child.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/processes.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

TEST(Win32Processes, ExitCodesComeBack) {
    win32::Win32Processes processes;
    for (const uint32_t code : {9u, 0u, 255u, 70000u}) {
        const auto pid = processes.Start(ProbeCommand("--exit " + std::to_string(code)));
        ASSERT_TRUE(pid) << code;
        EXPECT_EQ(processes.WaitForExit(*pid), code);
    }
}

TEST(Win32Processes, ChildThatEndedLongAgoIsStillWaitedOnCorrectly) {
    // Many quick children first, then the waits: every kept handle must give its own code.
    win32::Win32Processes processes;
    std::vector<std::pair<uint32_t, uint32_t>> started;
    for (uint32_t code = 1; code <= 5; ++code) {
        const auto pid = processes.Start(ProbeCommand("--exit " + std::to_string(code)));
        ASSERT_TRUE(pid);
        started.emplace_back(*pid, code);
    }
    Sleep(500);
    for (const auto& [pid, code] : started) EXPECT_EQ(processes.WaitForExit(pid), code);
}

TEST(Win32Processes, WaitsOnProcessesStartedElsewhere) {
    win32::Win32Processes starter;
    win32::Win32Processes waiter;  // knows only the id, so it must open the process
    const auto pid = starter.Start(ProbeCommand("--sleep 1500 --exit 7"));
    ASSERT_TRUE(pid);
    EXPECT_EQ(waiter.WaitForExit(*pid), 7u);
}

// The running list asks this of a program that has shown no window yet: still starting, or gone?
TEST(Win32Processes, HasEndedTellsARunningProcessFromAnEndedOne) {
    win32::Win32Processes starter;
    win32::Win32Processes other;  // knows only the id, so it must open the process
    const auto pid = starter.Start(ProbeCommand("--sleep 1500 --exit 3"));
    ASSERT_TRUE(pid);
    EXPECT_FALSE(starter.HasEnded(*pid));
    EXPECT_FALSE(other.HasEnded(*pid));
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, *pid);
    ASSERT_NE(process, nullptr);
    ASSERT_EQ(WaitForSingleObject(process, 15000), static_cast<DWORD>(WAIT_OBJECT_0));
    CloseHandle(process);
    EXPECT_TRUE(starter.HasEnded(*pid));
    EXPECT_TRUE(other.HasEnded(*pid));
    EXPECT_TRUE(other.HasEnded(0xFFFFFFF0u));
}

TEST(Win32Processes, FailuresAreReportedNotCrashed) {
    win32::Win32Processes processes;
    ScratchFolder scratch;
    EXPECT_FALSE(processes.Start("\"" + scratch.File("missing.exe") + "\""));
    EXPECT_FALSE(processes.Start(""));
    EXPECT_FALSE(processes.Start(ProbeCommand("--exit 1"), scratch.File("no such folder")));
    EXPECT_FALSE(processes.WaitForExit(0xFFFFFFF0u));
    EXPECT_EQ(processes.CurrentProcessId(), GetCurrentProcessId());
}

TEST(Win32Processes, CommandLineAndWorkFolderReachTheChild) {
    ScratchFolder scratch;
    ScratchFolder work;
    const std::string log = scratch.File("probe.log");
    win32::Win32Processes processes;
    const std::string line = ProbeCommand("--log \"" + log + "\" \"a b\" 日本語 \"C:\\表\\x\"");
    const auto pid = processes.Start(line + " --exit 3", work.Path());
    ASSERT_TRUE(pid);
    EXPECT_EQ(processes.WaitForExit(*pid), 3u);
    const auto record = WaitForProbeRecord(log, *pid);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->commandLine, line + " --exit 3");
    EXPECT_EQ(record->args,
              (std::vector<std::string>{"--log", log, "a b", "日本語", "C:\\表\\x", "--exit", "3"}));
    EXPECT_EQ(record->workFolder, work.Path());
    EXPECT_EQ(record->show, SW_SHOWNORMAL);  // a normal window
}

}  // namespace
}  // namespace torva::test
