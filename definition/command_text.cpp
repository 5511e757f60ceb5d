#include "definition/command_text.h"

#include <tuple>
#include <utility>

#include "common/utf8.h"

namespace torva::definition {

namespace {

// A text cut at its first blank: what comes before it, and the trimmed rest (empty without a blank).
inline std::pair<std::string_view, std::string_view> SplitAtFirstBlank(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return {text, {}};
    return {text.substr(0, blank), TrimBlanksView(text.substr(blank + 1))};
}

}  // namespace

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
    std::tie(out.program, out.arguments) = SplitAtFirstBlank(trimmed);
    return out;
}

CommandText classifyCommand(std::string_view text) {
    const std::string_view trimmed = TrimBlanksView(text);
    CommandText out;
    if (trimmed.empty()) return out;
    const auto simple = [&](std::string_view word, ButtonAction action) {
        if (!UpperEquals(trimmed, word)) return false;
        out.form = CommandForm::Simple;
        out.simpleAction = action;
        return true;
    };
    const auto prefixed = [&](std::string_view prefix, CommandForm form) {
        if (!UpperStartsWith(trimmed, prefix)) return false;
        out.form = form;
        out.rest = trimmed.substr(prefix.size());
        return true;
    };
    // Every word and prefix starts with a letter of its own group: only that group is tried (no word
    // is the start of another's prefix, so the order within a group does not matter).
    switch (trimmed[0]) {
        case 'C':
        case 'c':
            prefixed("CMD:", CommandForm::Run);
            break;
        case 'P':
        case 'p':
            simple("POFF", ButtonAction::PowerOff) || prefixed("PAGE", CommandForm::Page);
            break;
        case 'R':
        case 'r':
            simple("REBT", ButtonAction::Reboot) || prefixed("RSDWN:", CommandForm::RemoteShutdown) ||
                prefixed("RREBT:", CommandForm::RemoteReboot) ||
                prefixed("RMSG:", CommandForm::RemoteMessage) ||
                prefixed("RCTL:", CommandForm::RemoteControl);
            break;
        case 'S':
        case 's':
            simple("SDWN", ButtonAction::Shutdown) || simple("SCR", ButtonAction::ScreenSaver);
            break;
        case 'L':
        case 'l':
            simple("LOFF", ButtonAction::Logoff);
            break;
        case 'E':
        case 'e':
            simple("END", ButtonAction::End);
            break;
        default:
            break;
    }
    return out;
}

RemoteText splitRemoteText(std::string_view rest) {
    RemoteText out;
    std::tie(out.computer, out.message) = SplitAtFirstBlank(TrimBlanksView(rest));
    return out;
}

RemoteControlText splitRemoteControlText(std::string_view rest) {
    const RemoteText first = splitRemoteText(rest);
    RemoteControlText out;
    out.computer = first.computer;
    std::tie(out.pageText, out.buttonText) = SplitAtFirstBlank(first.message);
    return out;
}

}  // namespace torva::definition
