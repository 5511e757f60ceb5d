// A start made in the background, or deferred, is always made, and made before any other start or
// wait.
#include "platform/background_starts.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/fake_processes.h"

namespace torva::platform {
namespace {

struct Background : ::testing::Test {
    Background() {
        auto fake = std::make_unique<testing::FakeProcesses>();
        inner = fake.get();
        processes = std::make_unique<BackgroundStartProcesses>(std::move(fake));
    }
    std::vector<std::string> Started() const {
        std::vector<std::string> lines;
        for (const auto& s : inner->started) lines.push_back(s.commandLine);
        return lines;
    }
    testing::FakeProcesses* inner = nullptr;
    std::unique_ptr<BackgroundStartProcesses> processes;
};

TEST_F(Background, TheStartIsMadeByTheTimeItIsFinished) {
    processes->StartInBackground("Tvshell.exe <LinkTVX>");
    processes->FinishBackgroundStart();
    processes->FinishBackgroundStart();
    EXPECT_EQ(Started(), (std::vector<std::string>{"Tvshell.exe <LinkTVX>"}));
}

TEST_F(Background, OtherStartsAndWaitsComeAfterIt) {
    processes->StartInBackground("Tvshell.exe <LinkTVX>");
    const auto id = processes->Start("\"start.exe\" ", "C:\\WORK");
    EXPECT_EQ(Started(), (std::vector<std::string>{"Tvshell.exe <LinkTVX>", "\"start.exe\" "}));
    // The caller gets its own program's id, not the background one's.
    EXPECT_EQ(id, std::optional<uint32_t>(101u));
    processes->StartInBackground("second");
    EXPECT_EQ(processes->WaitForExit(101), std::optional<uint32_t>(0u));
    EXPECT_EQ(Started().back(), "second");
    inner->exitCodes[102] = 3;
    processes->StartInBackground("third");
    EXPECT_EQ(processes->ExitCodeIfEnded(102), std::optional<uint32_t>(3u));
    EXPECT_EQ(Started().back(), "third");
}

TEST_F(Background, OneAtATimeInTheOrderGiven) {
    processes->StartInBackground("first");
    processes->StartInBackground("second");
    processes->FinishBackgroundStart();
    EXPECT_EQ(Started(), (std::vector<std::string>{"first", "second"}));
}

TEST_F(Background, AFailedBackgroundStartDoesNotFailTheNextOne) {
    inner->results = {std::nullopt, 7u};
    processes->StartInBackground("missing.exe");
    EXPECT_EQ(processes->Start("program.exe"), std::optional<uint32_t>(7u));
}

// Passes everything to a fake that outlives the background starts, whose end is under test too.
class Forwarding final : public Processes {
  public:
    explicit Forwarding(Processes& to) : to_(to) {}
    std::optional<uint32_t> Start(const std::string& line, const std::string& folder) override {
        return to_.Start(line, folder);
    }
    std::optional<uint32_t> WaitForExit(uint32_t id) override { return to_.WaitForExit(id); }
    std::optional<uint32_t> ExitCodeIfEnded(uint32_t id) const override { return to_.ExitCodeIfEnded(id); }
    bool HasEnded(uint32_t id) const override { return to_.HasEnded(id); }
    WindowSearch FindVisibleWindow(uint32_t id) const override { return to_.FindVisibleWindow(id); }
    WindowSearch FindTorvaTitleWindow(uint32_t id) const override { return to_.FindTorvaTitleWindow(id); }
    uint32_t CurrentProcessId() const override { return to_.CurrentProcessId(); }

  private:
    Processes& to_;
};

TEST_F(Background, ADeferredStartWaitsUntilItIsReleased) {
    processes->DeferStart("Tvshell.exe <LinkTVX>");
    EXPECT_TRUE(processes->FindVisibleWindow(5).window == 0u);
    EXPECT_TRUE(Started().empty());
    processes->StartDeferred();
    processes->StartDeferred();  // released once, made once
    processes->FinishBackgroundStart();
    EXPECT_EQ(Started(), (std::vector<std::string>{"Tvshell.exe <LinkTVX>"}));
}

// Whatever comes first after the deferral: the deferred start is made before it, and once.
struct DeferredCase {
    const char* name;
    std::function<void(BackgroundStartProcesses&)> next;
    std::vector<std::string> started;
};

TEST_F(Background, ADeferredStartStillComesFirst) {
    const std::vector<DeferredCase> cases{
        {"start",
         [](BackgroundStartProcesses& p) { (void)p.Start("program.exe"); },
         {"deferred", "program.exe"}},
        {"wait", [](BackgroundStartProcesses& p) { (void)p.WaitForExit(101); }, {"deferred"}},
        {"exit code", [](BackgroundStartProcesses& p) { (void)p.ExitCodeIfEnded(101); }, {"deferred"}},
        {"ended", [](BackgroundStartProcesses& p) { (void)p.HasEnded(101); }, {"deferred"}},
        {"finish", [](BackgroundStartProcesses& p) { p.FinishBackgroundStart(); }, {"deferred"}},
        {"background start",
         [](BackgroundStartProcesses& p) {
             p.StartInBackground("second");
             p.FinishBackgroundStart();  // the second start is on the thread
         },
         {"deferred", "second"}},
        {"another deferral",
         [](BackgroundStartProcesses& p) { p.DeferStart("second"); },
         {"deferred", "second"}},
    };
    for (const DeferredCase& c : cases) {
        SCOPED_TRACE(c.name);
        testing::FakeProcesses seen;
        {
            BackgroundStartProcesses p(std::make_unique<Forwarding>(seen));
            p.DeferStart("deferred");
            c.next(p);
            // Made by the time the call returns, not only at the end.
            ASSERT_FALSE(seen.started.empty());
            EXPECT_EQ(seen.started.front().commandLine, "deferred");
        }  // the end makes what is still kept
        std::vector<std::string> lines;
        for (const auto& s : seen.started) lines.push_back(s.commandLine);
        EXPECT_EQ(lines, c.started);
    }
}

TEST_F(Background, ADeferredStartNeverReleasedIsMadeAtTheEnd) {
    testing::FakeProcesses seen;
    {
        BackgroundStartProcesses p(std::make_unique<Forwarding>(seen));
        p.DeferStart("Tvshell.exe <LinkTVX>");
        EXPECT_TRUE(seen.started.empty());
    }
    ASSERT_EQ(seen.started.size(), 1u);
    EXPECT_EQ(seen.started[0].commandLine, "Tvshell.exe <LinkTVX>");
}

TEST_F(Background, WindowSearchesAreTheInnerOnes) {
    inner->withWindow.insert(5);
    inner->visibleWindow[5] = 55;
    EXPECT_TRUE(processes->FindVisibleWindow(5).found);
    EXPECT_EQ(processes->FindVisibleWindow(5).window, 55u);
    EXPECT_FALSE(processes->FindTorvaTitleWindow(6).found);
    EXPECT_EQ(processes->CurrentProcessId(), 1u);
}

}  // namespace
}  // namespace torva::platform
