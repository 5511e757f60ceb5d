// The visible-window test and the "TORVA" title test against real windows of the probe.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/processes.h"
#include "platform/win32/window_walk.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

struct RunningProbe {
    uint32_t pid = 0;
    HWND window = nullptr;
};

class WindowSearchTest : public ::testing::Test {
  protected:
    // Starts the probe with a window and waits until it has recorded itself (after showing it).
    RunningProbe StartProbe(const std::string& options) {
        const auto pid =
            processes_.Start(ProbeCommand("--log \"" + log_ + "\" --exit-on-close --exit 4 " + options));
        EXPECT_TRUE(pid);
        if (!pid) return {};
        const auto record = WaitForProbeRecord(log_, *pid);
        EXPECT_TRUE(record);
        started_.push_back(*pid);
        return RunningProbe{*pid, record ? reinterpret_cast<HWND>(record->window) : nullptr};
    }
    // Closing the window ends the probe with its code: proves the window found is the probe's.
    void CloseAndExpectEnd(const RunningProbe& probe) {
        ASSERT_NE(probe.window, nullptr);
        PostMessageW(probe.window, WM_CLOSE, 0, 0);
        EXPECT_EQ(processes_.WaitForExit(probe.pid), 4u);
        std::erase(started_, probe.pid);
    }
    void TearDown() override {
        for (const uint32_t pid : started_) {
            if (HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, pid)) {
                TerminateProcess(h, 1);
                CloseHandle(h);
            }
        }
    }

    ScratchFolder scratch_;
    std::string log_ = scratch_.File("probe.log");
    win32::Win32Processes processes_;
    std::vector<uint32_t> started_;
};

TEST_F(WindowSearchTest, VisibleTorvaWindowIsFoundByBothTests) {
    const RunningProbe probe = StartProbe("--title \"TORVA test\"");
    ASSERT_NE(probe.window, nullptr);
    const auto visible = processes_.FindVisibleWindow(probe.pid);
    EXPECT_TRUE(visible.found);
    EXPECT_EQ(visible.window, reinterpret_cast<platform::WindowId>(probe.window));
    const auto titled = processes_.FindTorvaTitleWindow(probe.pid);
    EXPECT_TRUE(titled.found);
    EXPECT_TRUE(titled.titled);
    EXPECT_EQ(titled.window, reinterpret_cast<platform::WindowId>(probe.window));
    CloseAndExpectEnd(probe);
    // Gone with its windows.
    EXPECT_FALSE(processes_.FindVisibleWindow(probe.pid).found);
    EXPECT_FALSE(processes_.FindTorvaTitleWindow(probe.pid).found);
}

// A failure inside a search is reported with the number of the step it happened in: the search's on
// entry, then its walk's, which the report keeps (numbers are not restored on the way out).
TEST(WindowSearchLocations, EachSearchAndItsWalkNoteTheirNumbers) {
    ErrorState state;
    win32::Win32Processes located(win32::WindowSearchLocations{&state, 910, 911, 920, 921});
    located.FindVisibleWindow(GetCurrentProcessId());
    EXPECT_EQ(state.code, 911);
    located.FindTorvaTitleWindow(GetCurrentProcessId());
    EXPECT_EQ(state.code, 921);
    state.code = 700;
    win32::Win32Processes plain;  // without locations nothing is noted
    plain.FindVisibleWindow(GetCurrentProcessId());
    EXPECT_EQ(state.code, 700);
}

TEST_F(WindowSearchTest, HiddenWindowIsOwnedButNotVisible) {
    const RunningProbe probe = StartProbe("--hidden --title \"TORVA hidden\"");
    const auto visible = processes_.FindVisibleWindow(probe.pid);
    EXPECT_TRUE(visible.found);
    EXPECT_EQ(visible.window, 0u);
    const auto titled = processes_.FindTorvaTitleWindow(probe.pid);
    EXPECT_TRUE(titled.titled);
    EXPECT_EQ(titled.window, reinterpret_cast<platform::WindowId>(probe.window));
    CloseAndExpectEnd(probe);
}

TEST_F(WindowSearchTest, OnlyTheFirstFiveCharactersCountAndCaseMatters) {
    struct Case {
        const char* title;
        bool titled;
    } cases[] = {
        {"TORVAX menu", true}, {"TORVA", true},   {"Torva test", false},
        {"TORV", false},       {" TORVA", false}, {"メニュー TORVA", false},
    };
    for (const auto& c : cases) {
        const RunningProbe probe = StartProbe(std::string("--title \"") + c.title + "\"");
        const auto titled = processes_.FindTorvaTitleWindow(probe.pid);
        EXPECT_TRUE(titled.found) << c.title;
        EXPECT_EQ(titled.titled, c.titled) << c.title;
        EXPECT_EQ(titled.window, c.titled ? reinterpret_cast<platform::WindowId>(probe.window) : 0u)
            << c.title;
        // The visible test does not care about the title.
        EXPECT_EQ(processes_.FindVisibleWindow(probe.pid).window,
                  reinterpret_cast<platform::WindowId>(probe.window))
            << c.title;
        CloseAndExpectEnd(probe);
    }
}

TEST_F(WindowSearchTest, ProcessWithoutWindowsIsNotFound) {
    const auto pid = processes_.Start(ProbeCommand("--sleep 3000"));
    ASSERT_TRUE(pid);
    started_.push_back(*pid);
    EXPECT_FALSE(processes_.FindVisibleWindow(*pid).found);
    const auto titled = processes_.FindTorvaTitleWindow(*pid);
    EXPECT_FALSE(titled.found);
    EXPECT_FALSE(titled.titled);
}

TEST_F(WindowSearchTest, ProbeWithoutOptionsShowsItsDefaultWindowAndEndsWithZero) {
    const auto pid = processes_.Start(ProbeCommand("--log \"" + log_ + "\""));
    ASSERT_TRUE(pid);
    started_.push_back(*pid);
    const auto record = WaitForProbeRecord(log_, *pid);
    ASSERT_TRUE(record);
    HWND window = reinterpret_cast<HWND>(record->window);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    wchar_t title[32] = {};
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(title, L"TvProbe");
    EXPECT_FALSE(processes_.FindTorvaTitleWindow(*pid).titled);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(processes_.WaitForExit(*pid), 0u);
    std::erase(started_, *pid);
}

TEST_F(WindowSearchTest, ProbeWithWindowAndSleepOutlivesItsClosedWindow) {
    const auto pid = processes_.Start(
        ProbeCommand("--log \"" + log_ + "\" --title \"TORVA sleeper\" --sleep 5000 --exit 6"));
    ASSERT_TRUE(pid);
    started_.push_back(*pid);
    const auto record = WaitForProbeRecord(log_, *pid);
    ASSERT_TRUE(record);
    // Without --exit-on-close, closing only removes the window; the sleep still ends the probe.
    SendMessageW(reinterpret_cast<HWND>(record->window), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(record->window)));
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, *pid);
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
    CloseHandle(process);
    EXPECT_EQ(processes_.WaitForExit(*pid), 6u);
    std::erase(started_, *pid);
}

TEST(WindowWalk, VisitsChildrenBeforeTheNextSibling) {
    // Two top-level windows of our own, one with a child and a grandchild: the walk must reach
    // parent, child, grandchild in that order, all before the parent's next sibling.
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    // Created first, so the parent made after it lies above it in the top-level order.
    HWND sibling = CreateWindowExW(0, L"STATIC", L"walk sibling", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                   nullptr, instance, nullptr);
    HWND parent = CreateWindowExW(0, L"STATIC", L"walk parent", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  instance, nullptr);
    HWND child = CreateWindowExW(0, L"STATIC", L"walk child", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                                 instance, nullptr);
    HWND grandchild = CreateWindowExW(0, L"STATIC", L"walk grandchild", WS_CHILD, 0, 0, 5, 5, child, nullptr,
                                      instance, nullptr);
    ASSERT_TRUE(sibling && parent && child && grandchild);
    std::vector<HWND> order;
    win32::WalkWindows([&](HWND w) {
        if (w == sibling || w == parent || w == child || w == grandchild) order.push_back(w);
        return true;
    });
    EXPECT_EQ(order, (std::vector<HWND>{parent, child, grandchild, sibling}));
    // Stopping early stops the walk.
    int visits = 0;
    win32::WalkWindows([&](HWND) { return ++visits < 3; });
    EXPECT_EQ(visits, 3);
    EXPECT_EQ(win32::TitleStart(grandchild), L"walk ");
    DestroyWindow(parent);
    DestroyWindow(sibling);
}

}  // namespace
}  // namespace torva::test
