#pragma once
// The button-activation handler of the menu window: a click, a key, a timed start and a remote press
// all end up here with a button number 1..24.

#include <cstdint>
#include <string>

#include "common/error_state.h"
#include "definition/menu_definition.h"
#include "journal/launch_journal.h"
#include "platform/files.h"
#include "platform/mailslot.h"
#include "platform/processes.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "runtime/activation/activation_state.h"
#include "runtime/activation/menu_window_host.h"

namespace torva::activation {

struct ActivationServices {
    platform::Processes& processes;
    platform::FileSystem& files;
    platform::Registry& registry;
    platform::Power& power;
    platform::Mailslots& mailslots;
    const platform::SystemInfo& system;
    ErrorState& error;
    std::string programFolder;
    bool ntPlatform = true;  // every system this program runs on; the other branch is kept for tests
    journal::LaunchJournal* journal = nullptr;  // where starts are recorded; none in most tests
};

inline constexpr const char* kMissingProgramText = "実行ファイルが存在しません！！\r";
inline constexpr const char* kStartFailedText = "コマンドの起動に失敗しました。";
inline constexpr const char* kScreenSaverFailedText = "スクリーンセーバーの起動に失敗しました。";
inline constexpr int16_t kActivationErrorCode = 997;
inline constexpr int16_t kDocumentStartFailed = 30;
inline constexpr int16_t kProgramStartFailed = 20;

class ButtonActivation {
  public:
    ButtonActivation(const definition::MenuDefinition& def, ActivationState& state,
                     ActivationServices& services, MenuWindowHost& window)
        : def_(def), state_(state), services_(services), window_(window) {}

    // TORVAFM_CMD_Click: activates button 1..24 of the shown page, or of the pending remote page.
    void Activate(int button);

  private:
    void Act(int page, int button, const definition::MenuButton& b);
    void Launch(int page, int button, const definition::MenuButton& b);
    // One start for the launch journal; the start has happened (pid) or failed (nothing).
    void Record(int page, int button, const definition::MenuButton& b, const char* action,
                const std::string& commandLine, const std::string& workFolder, bool waited,
                std::optional<uint32_t> pid) const;
    void StartScreenSaver(int page, int button, const definition::MenuButton& b);
    void LocalSystemAction(definition::ButtonAction action);
    void RemoteShutdown(definition::ButtonAction action, const definition::MenuButton& b);
    void SendRemoteMessage(const definition::MenuButton& b);
    void SendRemotePress(const definition::MenuButton& b);
    void Send(const std::string& computer, const std::string& message);

    const definition::MenuDefinition& def_;
    ActivationState& state_;
    ActivationServices& services_;
    MenuWindowHost& window_;
};

// Texts of the confirmation boxes (the action's text + CR + "実行しますか？").
std::string LocalConfirmationText(definition::ButtonAction action);
std::string RemoteConfirmationText(definition::ButtonAction action, const std::string& computer);

}  // namespace torva::activation
