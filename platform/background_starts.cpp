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
    Processes& inner = *inner_;
    background_ = std::thread([&inner, line = std::move(commandLine)] { (void)inner.Start(line); });
}

void BackgroundStartProcesses::FinishBackgroundStart() const {
    if (background_.joinable()) background_.join();
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
