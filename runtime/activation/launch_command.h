#pragma once
// Command lines of a button's start: a program directly, a script through the script runner (with
// the menu window's handle so the script can close the menu), anything else through the document
// opener in the button's work folder.

#include <cstdint>
#include <string>
#include <string_view>

namespace torva::activation {

enum class LaunchKind { Program, Script, Document };

// Marker the loader leaves in place of a program file that does not exist.
inline constexpr std::string_view kMissingProgramMarker = "(ERR)";

// By the upper-cased extension: "EXE", "COM", "BAT", "PIF" start directly, "TVS" is a script,
// everything else (addresses included) is a document.
LaunchKind ClassifyLaunchTarget(std::string_view program);

// The window handle as the script runner reads it: 8 upper-case hexadecimal digits, zero-padded.
// Window handles are 32-bit values on every Windows version, so the upper half is never needed.
std::string HandleHex8(std::uint64_t handle);

// a double quote + program + a double quote + " " + arguments
std::string ProgramCommandLine(std::string_view program, std::string_view arguments);

// programFolder\Tvscript.exe |TORVA|HHHHHHHH|program
std::string ScriptCommandLine(std::string_view programFolder, std::uint64_t menuWindow,
                              std::string_view program);

// programFolder\Tvshell.exe <workFolder>program (the brackets stay when the folder is empty)
std::string DocumentCommandLine(std::string_view programFolder, std::string_view workFolder,
                                std::string_view program);

// programFolder\Tvrmsg.exe sender:text
std::string ViewerCommandLine(std::string_view programFolder, std::string_view senderAndText);

// a double quote + screen saver + a double quote + " /S"
std::string ScreenSaverCommandLine(std::string_view screenSaver);

struct ButtonLaunch {
    LaunchKind kind = LaunchKind::Document;
    std::string commandLine;
};

ButtonLaunch BuildButtonLaunch(std::string_view programFolder, std::uint64_t menuWindow,
                               std::string_view program, std::string_view arguments,
                               std::string_view workFolder);

}  // namespace torva::activation
