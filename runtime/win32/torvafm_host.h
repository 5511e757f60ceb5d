#pragma once
// The menu window as button activation and the polling timers see it.

#include <windows.h>

#include "journal/launch_journal.h"
#include "runtime/activation/activation_state.h"
#include "runtime/activation/menu_window_host.h"

namespace torva::runtime::win32 {

class MenuWindow;
struct TorvaRuntime;

inline constexpr UINT_PTR kRunningTimerId = 1;             // Timer1
inline constexpr UINT_PTR kDocumentTimerId = 2;            // Timer2
inline constexpr UINT_PTR kOpenerRegistrationTimerId = 4;  // the start-up's, kept (torvabs.cpp)

class TorvaWindowHost : public activation::MenuWindowHost {
  public:
    TorvaWindowHost(TorvaRuntime& rt, MenuWindow& window, activation::ActivationState& state,
                    journal::LaunchJournal& journal)
        : rt_(rt), window_(window), state_(state), journal_(journal) {}

    std::uint64_t WindowHandle() const override;
    int CurrentPage() const override;
    void ShowPage(int page) override;
    menuview::ClickState ClickStateOf(int button) const override;
    void SetClickState(int button, menuview::ClickState state) override;
    bool AskPassword(const std::string& password, const std::string& guide) override;
    bool Confirm(const std::string& text) override;
    std::optional<std::string> AskText(const std::string& prompt) override;
    void ShowCritical(const std::string& text) override;
    void ReportFailure(int16_t code, const std::string& message, const std::string& detail) override;
    void LockMenu() override;
    void UnlockMenu() override;
    void HideMenu() override;
    void ShowMenu() override;
    bool IsForeground() const override;
    void StartRunningTimer() override;
    void StopRunningTimer() override;
    void StartDocumentTimer() override;
    void StopDocumentTimer() override;
    void BringForward(platform::WindowId window) override;
    void RunEndPrograms() override;
    void CloseAfterAction() override;
    void StartScreenSaverCommand() override;

  private:
    TorvaRuntime& rt_;
    MenuWindow& window_;
    activation::ActivationState& state_;
    journal::LaunchJournal& journal_;
};

}  // namespace torva::runtime::win32
