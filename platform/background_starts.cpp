#include "platform/background_starts.h"

#include <utility>

namespace torva::platform {

BackgroundStartProcesses::BackgroundStartProcesses(std::unique_ptr<Processes> inner)
    : inner_(std::move(inner)) {}

BackgroundStartProcesses::~BackgroundStartProcesses() {
    FinishBackgroundStart();
}

void BackgroundStartProcesses::StartInBackground(std::string commandLine) {
    FinishBackgroundStart();
    Launch(std::move(commandLine));
}

void BackgroundStartProcesses::DeferStart(std::string commandLine) {
    FinishBackgroundStart();
    deferred_ = std::move(commandLine);
}

void BackgroundStartProcesses::StartDeferred() {
    if (!deferred_) return;
    if (background_.joinable()) background_.join();
    Launch(*std::exchange(deferred_, std::nullopt));
}

void BackgroundStartProcesses::Launch(std::string commandLine) const {
    Processes& inner = *inner_;
    background_ = std::thread([&inner, line = std::move(commandLine)] { (void)inner.Start(line); });
}

void BackgroundStartProcesses::FinishBackgroundStart() const {
    if (background_.joinable()) background_.join();
    if (!deferred_) return;
    // Made here and now: a start or wait is about to follow it.
    const std::string line = *std::exchange(deferred_, std::nullopt);
    (void)inner_->Start(line);
}

std::optional<uint32_t> BackgroundStartProcesses::Start(const std::string& commandLine,
                                                        const std::string& workFolder) {
    FinishBackgroundStart();
    return inner_->Start(commandLine, workFolder);
}

std::optional<uint32_t> BackgroundStartProcesses::WaitForExit(uint32_t processId) {
    FinishBackgroundStart();
    return inner_->WaitForExit(processId);
}

std::optional<uint32_t> BackgroundStartProcesses::ExitCodeIfEnded(uint32_t processId) const {
    FinishBackgroundStart();
    return inner_->ExitCodeIfEnded(processId);
}

bool BackgroundStartProcesses::HasEnded(uint32_t processId) const {
    FinishBackgroundStart();
    return inner_->HasEnded(processId);
}

WindowSearch BackgroundStartProcesses::FindVisibleWindow(uint32_t processId) const {
    return inner_->FindVisibleWindow(processId);
}

WindowSearch BackgroundStartProcesses::FindTorvaTitleWindow(uint32_t processId) const {
    return inner_->FindTorvaTitleWindow(processId);
}

uint32_t BackgroundStartProcesses::CurrentProcessId() const {
    return inner_->CurrentProcessId();
}

}  // namespace torva::platform
