#pragma once
// Reads the menus of a program under test from inside it, and drops files on its window: the test
// loads TvMenuProbe.dll into the program and sends it requests (menus and drops live inside their
// process under Wine).

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace torva::e2e {

// Start the program with this variable naming MenuProbe::AnswerPath() before injecting.
inline constexpr const char* kMenuProbeVariable = "TORVA_MENU_PROBE_FILE";

struct MenuLine {
    int depth = 0;  // 0: the bar's own entries
    int id = 0;
    std::string flags;  // S separator, C checked, G greyed, P popup; "-" none
    std::string caption;

    bool Checked() const { return flags.find('C') != std::string::npos; }
    bool Greyed() const { return flags.find('G') != std::string::npos; }
    bool Separator() const { return flags.find('S') != std::string::npos; }
};

class MenuProbe {
  public:
    // answerPath: a file in a scratch folder; the program must have it in kMenuProbeVariable.
    explicit MenuProbe(std::string answerPath) : answer_(std::move(answerPath)) {}

    // Loads the probe into the process; false when it could not be loaded.
    bool Inject(HANDLE process, DWORD processId);

    std::vector<MenuLine> Dump();
    // The item with the id, anywhere in the bar.
    std::optional<MenuLine> Item(int id);
    // Whether that item is greyed; nothing when there is no such item or no answer, so that a check
    // fails rather than reading an item that is not there.
    std::optional<bool> Greyed(int id) {
        const auto item = Item(id);
        return item ? std::optional<bool>(item->Greyed()) : std::nullopt;
    }
    bool Drop(POINT client, const std::string& path);
    int FocusedControlId();

    const std::string& AnswerPath() const { return answer_; }

  private:
    std::optional<std::string> Ask(const std::string& request);

    std::string answer_;
    DWORD processId_ = 0;
};

}  // namespace torva::e2e
