#pragma once
// The check OK applies to a program, icon file or background picture typed into a dialog. Unlike the
// reader, which stores nothing for a bare root or drive, a dialog refuses such texts with a message,
// so that the user learns why the field will not work.

#include <cstdint>
#include <string>
#include <string_view>

#include "definition/path_check.h"
#include "platform/files.h"

namespace torva::editor::dialogs {

enum class PathField {
    Program,  // may also be a web address ("HTTP:", "HTTPS:")
    IconFile,
    Picture,
};

struct PathFieldResult {
    bool passed = true;
    std::string message;  // empty when passed
    uint8_t base = 0;     // 1..4 for a relative text found in a search folder, else 0
};

// Checks a trimmed text. An empty text passes with base 0 (the field is not used). A single "\" or
// ":", a bare drive "X:" or "\\", and a path from the root of the current drive ("\...") are wrong;
// a drive or network path must exist; a relative text must be found in a search folder.
PathFieldResult CheckPathField(std::string_view text, PathField kind,
                               const definition::SearchFolders& folders, const platform::FileSystem& files);

// The working folder of a program button: a text longer than one character must name an existing
// folder. Empty when it passes, else the message.
std::string CheckWorkFolder(std::string_view text, const platform::FileSystem& files);

inline constexpr std::string_view kWrongProgram = "実行ファイルの指定に誤りがあります。";
inline constexpr std::string_view kMissingProgram = "指定の実行ファイルが存在しません。";
inline constexpr std::string_view kWrongIconFile = "アイコンファイルの指定に誤りがあります。";
inline constexpr std::string_view kMissingIconFile = "指定のアイコンファイルが存在しません。";
inline constexpr std::string_view kWrongPicture = "背景ファイルの指定に誤りがあります。";
inline constexpr std::string_view kMissingPicture = "指定の背景ファイルが存在しません。";
inline constexpr std::string_view kWrongWorkFolder = "ワークフォルダの指定に誤りがあるか、存在しません。";

}  // namespace torva::editor::dialogs
