#pragma once
// The browse dialogs of the definition dialogs: titles and filters, as the open-file dialog gets
// them. Every browse dialog lets only an existing file be chosen, hides the read-only box and has a
// name buffer of 128 characters.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace torva::editor::dialogs {

struct FileFilter {
    std::string_view description;
    std::string_view pattern;
};

struct BrowseSettings {
    std::string_view title;
    std::span<const FileFilter> filters;
};

inline constexpr std::size_t kBrowseNameLength = 128;

inline constexpr std::array<FileFilter, 7> kProgramFilters{{
    {"すべての同期実行可能ﾌｧｲﾙ", "*.exe;*.com;*.pif;*.bat;*.tvs"},
    {"EXE ﾌｧｲﾙ (*.exe)", "*.exe"},
    {"COM ﾌｧｲﾙ (*.com)", "*.com"},
    {"PIF ﾌｧｲﾙ (*.pif)", "*.pif"},
    {"BAT ﾌｧｲﾙ (*.bat)", "*.bat"},
    {"TORVAｽｸﾘﾌﾟﾄﾌｧｲﾙ (*.tvs)", "*.tvs"},
    {"すべてのﾌｧｲﾙ (*.*)", "*.*"},
}};

inline constexpr std::array<FileFilter, 5> kIconFilters{{
    {"すべてのｱｲｺﾝﾌｧｲﾙ", "*.ico;*.cur;*.exe;*.dll;*.ocx"},
    {"ｱｲｺﾝ (*.ico;*.cur)", "*.ico;*.cur"},
    {"EXE ﾌｧｲﾙ (*.exe)", "*.exe"},
    {"DLL ﾌｧｲﾙ (*.dll)", "*.dll"},
    {"OCX ﾌｧｲﾙ (*.ocx)", "*.ocx"},
}};

// The first pattern lists every picture kind the other filters offer, separated by ";" as the
// open-file dialog requires.
inline constexpr std::array<FileFilter, 6> kPictureFilters{{
    {"すべてのﾋﾟｸﾁｬ ﾌｧｲﾙ", "*.bmp;*.dib;*.gif;*.jpg;*.wmf;*.emf;*.ico;*.cur"},
    {"ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp;*.dib)", "*.bmp;*.dib"},
    {"GIF ｲﾒｰｼﾞ (*.gif)", "*.gif"},
    {"JPEG ｲﾒｰｼﾞ (*.jpg)", "*.jpg"},
    {"ﾒﾀﾌｧｲﾙ (*.wmf;*.emf)", "*.wmf;*.emf"},
    {"ｱｲｺﾝ (*.ico;*.cur)", "*.ico;*.cur"},
}};

inline constexpr BrowseSettings kProgramBrowse{"実行ファイル名参照", kProgramFilters};
inline constexpr BrowseSettings kIconBrowse{"アイコンファイル名参照", kIconFilters};
inline constexpr BrowseSettings kPictureBrowse{"背景ファイル名参照", kPictureFilters};

// The filter text of the open-file dialog: description NUL pattern NUL ... NUL.
std::string FilterText(std::span<const FileFilter> filters);

}  // namespace torva::editor::dialogs
