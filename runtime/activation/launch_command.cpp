#include "runtime/activation/launch_command.h"

#include "common/path.h"

namespace torva::activation {

LaunchKind ClassifyLaunchTarget(std::string_view program) {
    const std::string ext = LaunchExtension(program);
    if (ext == "EXE" || ext == "COM" || ext == "BAT" || ext == "PIF") return LaunchKind::Program;
    if (ext == "TVS") return LaunchKind::Script;
    return LaunchKind::Document;
}

std::string HandleHex8(std::uint64_t handle) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out(8, '0');
    auto value = static_cast<std::uint32_t>(handle & 0xFFFFFFFFu);
    for (int i = 7; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value >>= 4;
    }
    return out;
}

std::string ProgramCommandLine(std::string_view program, std::string_view arguments) {
    std::string line;
    line.reserve(program.size() + arguments.size() + 3);
    line += '"';
    line += program;
    line += "\" ";
    line += arguments;
    return line;
}

std::string ScriptCommandLine(std::string_view programFolder, std::uint64_t menuWindow,
                              std::string_view program) {
    return JoinPath(programFolder, "Tvscript.exe") + " |TORVA|" + HandleHex8(menuWindow) + "|" +
           std::string(program);
}

std::string DocumentCommandLine(std::string_view programFolder, std::string_view workFolder,
                                std::string_view program) {
    return JoinPath(programFolder, "Tvshell.exe") + " <" + std::string(workFolder) + ">" +
           std::string(program);
}

std::string ViewerCommandLine(std::string_view programFolder, std::string_view senderAndText) {
    return JoinPath(programFolder, "Tvrmsg.exe") + " " + std::string(senderAndText);
}

std::string ScreenSaverCommandLine(std::string_view screenSaver) {
    std::string line;
    line.reserve(screenSaver.size() + 5);
    line += '"';
    line += screenSaver;
    line += "\" /S";
    return line;
}

ButtonLaunch BuildButtonLaunch(std::string_view programFolder, std::uint64_t menuWindow,
                               std::string_view program, std::string_view arguments,
                               std::string_view workFolder) {
    ButtonLaunch launch;
    launch.kind = ClassifyLaunchTarget(program);
    switch (launch.kind) {
        case LaunchKind::Program:
            launch.commandLine = ProgramCommandLine(program, arguments);
            break;
        case LaunchKind::Script:
            launch.commandLine = ScriptCommandLine(programFolder, menuWindow, program);
            break;
        case LaunchKind::Document:
            launch.commandLine = DocumentCommandLine(programFolder, workFolder, program);
            break;
    }
    return launch;
}

}  // namespace torva::activation
