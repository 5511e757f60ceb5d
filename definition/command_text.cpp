#include "definition/command_text.h"

#include "common/utf8.h"

namespace torva::definition {

ProgramText splitProgramText(std::string_view text) {
    const std::string_view trimmed = TrimBlanksView(text);
    ProgramText out;
    if (trimmed.size() > 1 && trimmed[0] == '<') {
        const std::size_t close = trimmed.find('>');
        if (close != std::string_view::npos) {
            out.program = trimmed.substr(1, close - 1);
            if (close + 1 < trimmed.size()) out.arguments = TrimBlanksView(trimmed.substr(close + 1));
            return out;
        }
    }
    const std::size_t blank = trimmed.find(' ');
    if (blank == std::string_view::npos) {
        out.program = trimmed;
    } else {
        out.program = trimmed.substr(0, blank);
        out.arguments = TrimBlanksView(trimmed.substr(blank + 1));
    }
    return out;
}

CommandText classifyCommand(std::string_view text) {
    const std::string_view trimmed = TrimBlanksView(text);
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
        if (UpperEquals(trimmed, simple.word)) {
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
        if (UpperStartsWith(trimmed, prefixed.prefix)) {
            out.form = prefixed.form;
            out.rest = trimmed.substr(prefixed.prefix.size());
            return out;
        }
    }
    return out;
}

RemoteText splitRemoteText(std::string_view rest) {
    const std::string_view trimmed = TrimBlanksView(rest);
    RemoteText out;
    const std::size_t blank = trimmed.find(' ');
    if (blank == std::string_view::npos) {
        out.computer = trimmed;
    } else {
        out.computer = trimmed.substr(0, blank);
        out.message = TrimBlanksView(trimmed.substr(blank + 1));
    }
    return out;
}

RemoteControlText splitRemoteControlText(std::string_view rest) {
    const RemoteText first = splitRemoteText(rest);
    RemoteControlText out;
    out.computer = first.computer;
    const std::size_t blank = first.message.find(' ');
    if (blank == std::string_view::npos) {
        out.pageText = first.message;
    } else {
        out.pageText = first.message.substr(0, blank);
        out.buttonText = TrimBlanksView(first.message.substr(blank + 1));
    }
    return out;
}

}  // namespace torva::definition
