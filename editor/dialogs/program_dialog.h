#pragma once
// The twin dialogs of start/end programs and page start programs: two tabs of two entries each,
// edited in copies that survive switching tabs, checked and stored by OK.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "definition/menu_definition.h"
#include "definition/path_check.h"
#include "platform/files.h"

namespace torva::editor::dialogs {

enum class ProgramDialogKind {
    StartEnd,   // the definition's start programs (tab 0) and end programs (tab 1)
    PageStart,  // the page start programs of one page; tab 1 is hidden
};

struct ProgramDialogTraits {
    std::string_view caption;
    int helpContext;
    bool showsEndTab;
    // Location numbers of the handlers, for the error report.
    int16_t openLocation, browseLocation, okLocation, cancelLocation, closeLocation, helpLocation,
        tabLocation, saveLocation;
};
const ProgramDialogTraits& TraitsOf(ProgramDialogKind kind);

inline constexpr std::array<std::string_view, 2> kProgramTabCaptions{"始動ﾌﾟﾛｸﾞﾗﾑ", "終了ﾌﾟﾛｸﾞﾗﾑ"};
inline constexpr std::array<std::string_view, 2> kProgramLabels{"実行ファイル名１", "実行ファイル名２"};
inline constexpr std::array<std::string_view, 2> kArgumentLabels{"コマンドライン１", "コマンドライン２"};
inline constexpr std::array<std::string_view, 2> kEntryWaitCaptions{"ｺﾏﾝﾄﾞ非同期", "ｺﾏﾝﾄﾞ 同期"};

// What one entry's controls hold. waitOption: 0 or 1 for the selected option, -1 for neither.
struct ProgramEntryBoxes {
    std::string program;
    std::string arguments;
    int waitOption = 0;

    bool operator==(const ProgramEntryBoxes&) const = default;
};
using ProgramTabBoxes = std::array<ProgramEntryBoxes, definition::kEntryCount>;

struct ProgramFailure {
    std::string message;
    int tab = 0;
    int entry = 0;  // 0 or 1: the program box that takes the focus
};

struct ProgramCheckResult {
    std::vector<ProgramFailure> failures;
    std::array<std::array<uint8_t, definition::kEntryCount>, 2> bases{};  // [tab][entry]
};

class ProgramDialogModel {
  public:
    // page: the page whose page start programs are edited (PageStart only).
    ProgramDialogModel(ProgramDialogKind kind, const definition::MenuDefinition& def, int page);

    ProgramDialogKind kind() const { return kind_; }
    int shownTab() const { return shownTab_; }

    // What the controls of a tab show: the copies, an option for wait mode 0 or 1, none for others.
    ProgramTabBoxes BoxesOf(int tab) const;

    // saveShownTab: programs trimmed, arguments as typed, wait mode 0 only for the first option.
    void SaveShownTab(const ProgramTabBoxes& boxes);

    // Keeps the boxes and shows another tab; false when it is already shown or not offered.
    bool SwitchTab(int tab, const ProgramTabBoxes& boxes);

    // A program chosen in the browse dialog for entry (0 or 1) of the shown tab.
    void SetBrowsedProgram(int entry, std::string path);

    // The checks of OK, tab 0 before tab 1, entry 1 before entry 2.
    ProgramCheckResult Check(const definition::SearchFolders& folders,
                             const platform::FileSystem& files) const;

    // Stores every entry's program, base, arguments and wait mode. A failed entry kept by the user
    // keeps its text with base 0. A page given a page start program is marked in use.
    void Store(definition::MenuDefinition& def, const ProgramCheckResult& checks) const;

    const definition::ProgramEntry& Copy(int tab, int entry) const {
        return copies_.at(static_cast<std::size_t>(tab)).at(static_cast<std::size_t>(entry));
    }

  private:
    ProgramDialogKind kind_;
    int page_;
    int shownTab_ = 0;
    std::array<std::array<definition::ProgramEntry, definition::kEntryCount>, 2> copies_{};
};

}  // namespace torva::editor::dialogs
