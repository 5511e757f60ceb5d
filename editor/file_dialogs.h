#pragma once
// The common file dialogs of the editor's File menu: titles, filters, default extensions and flags.
// The Win32 side turns one of these into the system's open or save dialog.

#include <string_view>

namespace torva::editor {

enum class FileDialogKind { Open, Save };

struct FileDialogSettings {
    FileDialogKind kind = FileDialogKind::Open;
    std::string_view title;
    // Pairs of display text and pattern, each followed by a NUL, the whole ended by a second NUL.
    std::string_view filter;
    std::string_view defaultExtension;  // empty = none
    bool fileMustExist = false;
    bool overwritePrompt = false;
    bool hideReadOnly = true;
};

using namespace std::string_view_literals;

inline constexpr std::string_view kMenuFilter =
    "TORVAｺﾏﾝﾄﾞ定義ﾌｧｲﾙ (*.tvx)\0*.tvx\0すべてのﾌｧｲﾙ (*.*)\0*.*\0\0"sv;
inline constexpr std::string_view kTextFilter = "テキスト文書 (*.txt)\0*.txt\0すべてのﾌｧｲﾙ (*.*)\0*.*\0\0"sv;

inline constexpr FileDialogSettings kOpenMenuDialog{
    FileDialogKind::Open, "メニューを開く", kMenuFilter, "", true, false, true};
inline constexpr FileDialogSettings kSaveMenuDialog{
    FileDialogKind::Save, "名前を付けてﾒﾆｭｰを保存", kMenuFilter, "tvx", false, true, true};
inline constexpr FileDialogSettings kConvertSourceDialog{
    FileDialogKind::Open, "変換元メニューファイル", kMenuFilter, "", true, false, true};
inline constexpr FileDialogSettings kConvertTargetDialog{
    FileDialogKind::Save, "変換先メニューファイル", kMenuFilter, "tvx", false, true, true};
inline constexpr FileDialogSettings kTextOutputDialog{
    FileDialogKind::Save, "テキスト出力", kTextFilter, "txt", false, true, true};

}  // namespace torva::editor
