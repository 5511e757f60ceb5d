#pragma once
// Recording fakes of the platform interfaces and of the menu window used by the activation tests; the
// file system, registry and processes are the shared ones.

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/mailslot.h"
#include "platform/system.h"
#include "runtime/activation/menu_window_host.h"
#include "tests/support/fake_file_system.h"
#include "tests/support/fake_processes.h"
#include "tests/support/fake_registry.h"

namespace torva::activation::testing {

using torva::testing::FakeFileSystem;
using torva::testing::FakeProcesses;
using torva::testing::FakeRegistry;

class FakePower : public platform::Power {
  public:
    std::vector<std::string> calls;
    bool AdjustShutdownPrivilege() override {
        calls.push_back("privilege");
        return true;
    }
    bool AdjustRemoteShutdownPrivilege() override {
        calls.push_back("remote privilege");
        return true;
    }
    bool ExitWindows(uint32_t flags) override {
        calls.push_back("exit " + std::to_string(flags));
        return true;
    }
    bool RemoteShutdown(const std::string& computer, const std::string& message, uint32_t timeout, bool force,
                        bool reboot) override {
        calls.push_back("remote " + computer + " [" + message + "] " + std::to_string(timeout) +
                        (force ? " force" : "") + (reboot ? " reboot" : ""));
        return true;
    }
};

class FakeMailslots : public platform::Mailslots {
  public:
    struct Sent {
        std::string computer, name, bytes;
    };
    std::vector<Sent> sent;
    platform::MailslotOpen Create(const std::string&) override { return {}; }
    bool Write(const std::string& computer, const std::string& name, const std::string& bytes) override {
        sent.push_back({computer, name, bytes});
        return true;
    }
};

class FakeSystem : public platform::SystemInfo {
  public:
    std::string ComputerName() const override { return "PC01"; }
    std::string WindowsFolder() const override { return "C:\\WINDOWS"; }
    std::string SystemFolder() const override { return "C:\\WINDOWS\\system32"; }
    std::string ProgramFolder() const override { return "C:\\TORVA"; }
    bool IsTallCaptionPlatform() const override { return false; }
};

// The menu window: records what activation asked of it as short event names.
class FakeWindow : public MenuWindowHost {
  public:
    std::vector<std::string> events;
    int currentPage = 1;
    std::map<int, menuview::ClickState> clickStates;
    bool passwordAccepted = true;
    std::vector<std::pair<std::string, std::string>> passwordPrompts;
    bool confirmAnswer = false;
    std::vector<std::string> confirmTexts;
    std::optional<std::string> typedText;
    std::vector<std::string> askedPrompts;
    std::vector<std::string> criticalTexts;
    struct Report {
        int16_t code;
        std::string message, detail;
    };
    std::vector<Report> reports;
    bool foreground = true;
    bool locked = false;
    bool hidden = false;

    std::uint64_t WindowHandle() const override { return 0x1A2Bu; }
    int CurrentPage() const override { return currentPage; }
    void ShowPage(int page) override {
        currentPage = page;
        events.push_back("page " + std::to_string(page));
    }
    menuview::ClickState ClickStateOf(int button) const override {
        auto it = clickStates.find(button);
        return it == clickStates.end() ? menuview::ClickState::Idle : it->second;
    }
    void SetClickState(int button, menuview::ClickState state) override { clickStates[button] = state; }
    bool AskPassword(const std::string& password, const std::string& guide) override {
        passwordPrompts.emplace_back(password, guide);
        return passwordAccepted;
    }
    bool Confirm(const std::string& text) override {
        confirmTexts.push_back(text);
        return confirmAnswer;
    }
    std::optional<std::string> AskText(const std::string& prompt) override {
        askedPrompts.push_back(prompt);
        return typedText;
    }
    void ShowCritical(const std::string& text) override { criticalTexts.push_back(text); }
    void ReportFailure(int16_t code, const std::string& message, const std::string& detail) override {
        reports.push_back({code, message, detail});
    }
    void LockMenu() override {
        locked = true;
        events.push_back("lock");
    }
    void UnlockMenu() override {
        locked = false;
        events.push_back("unlock");
    }
    void HideMenu() override {
        hidden = true;
        events.push_back("hide");
    }
    void ShowMenu() override {
        hidden = false;
        events.push_back("show");
    }
    bool IsForeground() const override { return foreground; }
    void StartRunningTimer() override { events.push_back("timer1 on"); }
    void StopRunningTimer() override { events.push_back("timer1 off"); }
    void StartDocumentTimer() override { events.push_back("timer2 on"); }
    void StopDocumentTimer() override { events.push_back("timer2 off"); }
    void BringForward(platform::WindowId window) override {
        events.push_back("forward " + std::to_string(window));
    }
    void RunEndPrograms() override { events.push_back("end programs"); }
    void CloseAfterAction() override { events.push_back("close"); }
    void StartScreenSaverCommand() override { events.push_back("screen saver command"); }
};

}  // namespace torva::activation::testing
