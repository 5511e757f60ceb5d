// A start made in the background is always made, and made before any other start or wait.
#include "platform/background_starts.h"

#include <gtest/gtest.h>

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
