#pragma once
// TVSHELLBS: the document opener's one procedure module. One start performs one request: open a
// document in a working folder, or register the file types ("<LinkTVX>").

#include <string>

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/registry.h"

namespace torva::shell::TVSHELLBS {

// The step code shown in the error box; the opener has one step.
inline constexpr int kStepCode = 4;
inline constexpr const char* kOpenFailedMessage = "コマンドの起動に失敗しました。";
inline constexpr const char* kBoxTitle = "TORVA";

// Exit codes: 0 when the request was carried out, 1 after the error box.
inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;

struct Services {
    platform::Registry& registry;
    platform::FileSystem& files;
    platform::Shell& shell;
    std::string ownFolder;  // folder of the opener's program file, no trailing "\"
};

// Runs the request of the argument text (what follows the program name). Failures show the error
// box titled "TORVA" ("ErrorNo = 4 : n"; n is 0 for a refused open).
int Main(const std::string& arguments, Services& services);

}  // namespace torva::shell::TVSHELLBS
