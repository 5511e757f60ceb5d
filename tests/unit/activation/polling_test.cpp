#include "runtime/activation/polling.h"

#include <gtest/gtest.h>

#include <deque>

#include "common/cp932.h"
#include "tests/unit/activation/activation_fixture.h"

namespace torva::activation::testing {
namespace {

using Events = std::vector<std::string>;

class PollingTest : public ActivationTest {
  protected:
    // Starts button n of page 1 with the given wait mode; its process then owns a window.
    uint32_t StartSynchronous(int n, int mode) {
        RunButton(1, n, "C:\\p" + std::to_string(n) + ".exe", mode);
        const uint32_t pid = processes.nextId;
        Click(n);
        processes.withWindow.insert(pid);
        return pid;
    }
    void Poll() { PollRunningList(*def, state, processes, window); }
};

TEST_F(PollingTest, EndedLockingAndHidingProgramUnlocksAndShowsTheMenu) {
    const uint32_t pid = StartSynchronous(1, 4);
    window.events.clear();
    Poll();
    EXPECT_TRUE(window.events.empty());  // still running
    processes.withWindow.erase(pid);
    Poll();
    EXPECT_EQ(window.events, (Events{"unlock", "show", "timer1 off"}));
    EXPECT_FALSE(state.running.IsRunning(1, 1));
}

// Every mode above 1 hands the menu back when its program ends: shown in its window state and
// brought to the front, also after a lock alone, which left the menu behind the program.
TEST_F(PollingTest, EachWaitModeHandsTheMenuBackAsTabled) {
    struct Row {
        int mode;
        Events events;
    };
    for (const Row& r :
         {Row{1, {"timer1 off"}}, Row{2, {"show", "timer1 off"}}, Row{3, {"unlock", "show", "timer1 off"}},
          Row{4, {"unlock", "show", "timer1 off"}}}) {
        SCOPED_TRACE(r.mode);
        const uint32_t pid = StartSynchronous(1, r.mode);
        window.events.clear();
        processes.withWindow.erase(pid);
        Poll();
        EXPECT_EQ(window.events, r.events);
        EXPECT_FALSE(state.running.IsRunning(1, 1));
    }
}

// Under load a waited-for program may not have shown its first window by the first poll: it is still
// starting, so the menu stays locked and a second press of its button starts nothing.
TEST_F(PollingTest, AProgramNotYetShowingAWindowKeepsTheMenuLockedAndItsButtonRunning) {
    RunButton(1, 1, "C:\\slow.exe", 3);
    const uint32_t pid = processes.nextId;
    Click(1);
    processes.windowless.insert(pid);
    window.events.clear();
    Poll();
    Poll();
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(state.running.IsRunning(1, 1));
    Click(1);
    EXPECT_EQ(processes.started.size(), 1u);
    processes.windowless.erase(pid);
    processes.withWindow.insert(pid);
    Poll();
    EXPECT_TRUE(window.events.empty());
    processes.withWindow.erase(pid);
    Poll();
    EXPECT_EQ(window.events, (Events{"unlock", "show", "timer1 off"}));
}

TEST_F(PollingTest, EndedLockOnlyProgramLeavesTheMenuHiddenForAHidingOne) {
    const uint32_t locking = StartSynchronous(1, 3);
    StartSynchronous(2, 2);
    window.events.clear();
    processes.withWindow.erase(locking);
    Poll();
    EXPECT_EQ(window.events, Events{"unlock"});
}

TEST_F(PollingTest, WaitModeOneOnlyReleasesTheButton) {
    const uint32_t pid = StartSynchronous(1, 1);
    window.events.clear();
    processes.withWindow.erase(pid);
    Poll();
    EXPECT_EQ(window.events, Events{"timer1 off"});
    EXPECT_FALSE(state.running.IsRunning(1, 1));
}

TEST_F(PollingTest, TheReleaseFollowsThePageModeInForceAtTheEnd) {
    def->Page(1).pageWaitMode = 3;
    const uint32_t pid = StartSynchronous(1, 0);
    EXPECT_TRUE(window.locked);
    processes.withWindow.erase(pid);
    Poll();
    EXPECT_FALSE(window.locked);
}

TEST_F(PollingTest, MenuStaysLockedWhileAnotherLockingProgramRuns) {
    const uint32_t first = StartSynchronous(1, 3);
    const uint32_t second = StartSynchronous(2, 4);
    const uint32_t third = StartSynchronous(3, 1);
    window.events.clear();
    processes.withWindow.erase(first);
    Poll();
    EXPECT_TRUE(window.locked);
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(state.running.IsRunning(1, 2));
    EXPECT_TRUE(state.running.IsRunning(1, 3));
    processes.withWindow.erase(second);
    Poll();
    EXPECT_EQ(window.events, (Events{"unlock", "show"}));
    processes.withWindow.erase(third);
    Poll();
    EXPECT_EQ(window.events.back(), "timer1 off");
}

TEST_F(PollingTest, DocumentWaitKeepsTheOpenerDialogInFrontThenUnlocks) {
    RunButton(1, 1, "C:\\a.txt");
    Click(1);
    const uint32_t pid = state.lastDocumentProcess;
    processes.withWindow.insert(pid);
    processes.torvaWindow[pid] = 0x55;
    window.events.clear();
    window.foreground = false;
    PollDocumentWait(*def, state, processes, window);
    EXPECT_TRUE(window.events.empty());  // the menu is not in front: leave the windows alone
    window.foreground = true;
    PollDocumentWait(*def, state, processes, window);
    EXPECT_EQ(window.events, Events{"forward " + std::to_string(0x55)});
    processes.torvaWindow.erase(pid);
    window.events.clear();
    PollDocumentWait(*def, state, processes, window);
    EXPECT_TRUE(window.events.empty());  // a window without the title: keep waiting
    processes.withWindow.erase(pid);
    PollDocumentWait(*def, state, processes, window);
    EXPECT_EQ(window.events, (Events{"timer2 off", "unlock"}));
    EXPECT_FALSE(state.documentWaitActive);
}

// An opener busy without a window yet (slow to start, or about to ask something) keeps the menu locked;
// it is released when it ends.
TEST_F(PollingTest, DocumentWaitHoldsWhileTheOpenerRunsWithoutAWindowYet) {
    RunButton(1, 1, "C:\\a.txt");
    Click(1);
    const uint32_t pid = state.lastDocumentProcess;
    processes.windowless.insert(pid);
    window.events.clear();
    PollDocumentWait(*def, state, processes, window);
    EXPECT_TRUE(window.locked);
    EXPECT_TRUE(state.documentWaitActive);
    processes.windowless.erase(pid);
    PollDocumentWait(*def, state, processes, window);
    EXPECT_EQ(window.events, (Events{"timer2 off", "unlock"}));
}

TEST_F(PollingTest, DocumentAndLockingProgramKeepEachOthersLock) {
    RunButton(1, 1, "C:\\a.txt");
    Click(1);
    const uint32_t doc = state.lastDocumentProcess;
    processes.withWindow.insert(doc);
    const uint32_t prog = StartSynchronous(2, 3);
    processes.withWindow.erase(prog);
    Poll();
    EXPECT_TRUE(window.locked);  // the opener still runs
    processes.withWindow.erase(doc);
    PollDocumentWait(*def, state, processes, window);
    EXPECT_FALSE(window.locked);
}

class FakeReceiver : public platform::MailslotReceiver {
  public:
    std::deque<std::string> queue;
    bool broken = false;
    std::optional<platform::MailslotInfo> Poll() override {
        if (broken) return std::nullopt;
        platform::MailslotInfo info;
        info.messageCount = static_cast<uint32_t>(queue.size());
        info.nextSize =
            queue.empty() ? platform::MailslotInfo::kNoMessage : static_cast<uint32_t>(queue.front().size());
        return info;
    }
    std::optional<std::string> Read(uint32_t size) override {
        if (queue.empty() || queue.front().size() != size) return std::nullopt;
        std::string m = queue.front();
        queue.pop_front();
        return m;
    }
};

TEST_F(PollingTest, OneMessagePerPollInArrivalOrder) {
    FakeReceiver r;
    r.queue = {Utf8ToCp932("9999PC02:一通目"), "9999PC02:two", ""};
    EXPECT_EQ(ReadNextMailslotMessage(r), "9999PC02:一通目");
    EXPECT_EQ(r.queue.size(), 2u);
    EXPECT_EQ(ReadNextMailslotMessage(r), "9999PC02:two");
    EXPECT_EQ(ReadNextMailslotMessage(r), "");  // an empty message is read (and later ignored)
    EXPECT_EQ(ReadNextMailslotMessage(r), std::nullopt);
    r.broken = true;
    EXPECT_EQ(ReadNextMailslotMessage(r), std::nullopt);
}

TEST_F(PollingTest, RemotePressActsOnItsPageWhileAnotherIsShown) {
    RunButton(3, 12, "C:\\p312.exe");
    const auto activate = [&](int b) { handler.Activate(b); };
    HandleMailslotMessage("0312", state, processes, "C:\\TORVA", activate);
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "\"C:\\p312.exe\" ");
    EXPECT_EQ(window.currentPage, 1);
    for (const char* ignored : {"0325", "0012", "12x4", "031", ""}) {
        HandleMailslotMessage(ignored, state, processes, "C:\\TORVA", activate);
    }
    EXPECT_EQ(processes.started.size(), 1u);
    EXPECT_FALSE(state.remotePress.IsSet());
}

TEST_F(PollingTest, TextMessageStartsTheViewerWithTheWholeText) {
    HandleMailslotMessage("9999PC02:会議:10:00", state, processes, "C:\\TORVA", [](int) { FAIL(); });
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0].commandLine, "C:\\TORVA\\Tvrmsg.exe PC02:会議:10:00");
}

}  // namespace
}  // namespace torva::activation::testing
