#include "definition/command_text.h"

#include "common/utf8.h"

namespace torva::definition {

ProgramText splitProgramText(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    ProgramText out;
    if (trimmed.size() > 1 && trimmed[0] == '<') {
        const std::size_t close = trimmed.find('>');
        if (close != std::string::npos) {
            out.program = trimmed.substr(1, close - 1);
            if (close + 1 < trimmed.size())
                out.arguments = TrimBlanks(std::string_view(trimmed).substr(close + 1));
            return out;
        }
    }
    const std::size_t blank = trimmed.find(' ');
    if (blank == std::string::npos) {
        out.program = trimmed;
    } else {
        out.program = trimmed.substr(0, blank);
        out.arguments = TrimBlanks(std::string_view(trimmed).substr(blank + 1));
    }
    return out;
}

CommandText classifyCommand(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    const std::string upper = UpperLetters(trimmed);
    CommandText out;
    struct Simple {
        std::string_view word;
        ButtonAction action;
    };
    static constexpr Simple kSimple[] = {
        {"REBT", ButtonAction::Reboot}, {"POFF", ButtonAction::PowerOff},   {"SDWN", ButtonAction::Shutdown},
        {"LOFF", ButtonAction::Logoff}, {"SCR", ButtonAction::ScreenSaver}, {"END", ButtonAction::End},
    };
    for (const auto& simple : kSimple) {
        if (upper == simple.word) {
            out.form = CommandForm::Simple;
            out.simpleAction = simple.action;
            return out;
        }
    }
    struct Prefixed {
        std::string_view prefix;
        CommandForm form;
    };
    static constexpr Prefixed kPrefixed[] = {
        {"PAGE", CommandForm::Page},
        {"CMD:", CommandForm::Run},
        {"RSDWN:", CommandForm::RemoteShutdown},
        {"RREBT:", CommandForm::RemoteReboot},
        {"RMSG:", CommandForm::RemoteMessage},
        {"RCTL:", CommandForm::RemoteControl},
    };
    for (const auto& prefixed : kPrefixed) {
        if (upper.starts_with(prefixed.prefix)) {
            out.form = prefixed.form;
            // The prefixes are ASCII, so the byte offset is the same in the original text.
            out.rest = trimmed.substr(prefixed.prefix.size());
            return out;
        }
    }
    return out;
}

RemoteText splitRemoteText(std::string_view rest) {
    const std::string trimmed = TrimBlanks(rest);
    RemoteText out;
    const std::size_t blank = trimmed.find(' ');
    if (blank == std::string::npos) {
        out.computer = trimmed;
    } else {
        out.computer = trimmed.substr(0, blank);
        out.message = TrimBlanks(std::string_view(trimmed).substr(blank + 1));
    }
    return out;
}

RemoteControlText splitRemoteControlText(std::string_view rest) {
    const RemoteText first = splitRemoteText(rest);
    RemoteControlText out;
    out.computer = first.computer;
    const std::size_t blank = first.message.find(' ');
    if (blank == std::string::npos) {
        out.pageText = first.message;
    } else {
        out.pageText = first.message.substr(0, blank);
        out.buttonText = TrimBlanks(std::string_view(first.message).substr(blank + 1));
    }
    return out;
}

}  // namespace torva::definition
