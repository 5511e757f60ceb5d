#include "script/script_line.h"

#include <array>
#include <utility>

#include "common/number.h"
#include "common/path.h"
#include "common/utf8.h"

namespace torva::script {

namespace {

constexpr std::array<std::pair<Keyword, std::string_view>, 18> kKeywords{{
    {Keyword::Wait, "WAIT:"},
    {Keyword::NoWait, "NOWAIT:"},
    {Keyword::End, "END:"},
    {Keyword::Cend, "CEND:"},
    {Keyword::Rebt, "REBT:"},
    {Keyword::Poff, "POFF:"},
    {Keyword::Sdwn, "SDWN:"},
    {Keyword::Loff, "LOFF:"},
    {Keyword::Rmsg, "RMSG:"},
    {Keyword::Rctl, "RCTL:"},
    {Keyword::Rsdwn, "RSDWN:"},
    {Keyword::Rrebt, "RREBT:"},
    {Keyword::Sleep, "SLEEP:"},
    {Keyword::Msg, "MSG:"},
    {Keyword::MsgA, "MSGA:"},
    {Keyword::MsgB, "MSGB:"},
    {Keyword::Code, "CODE"},
    {Keyword::Back, "BACK:"},
}};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::string_view KeywordText(Keyword keyword) {
    for (const auto& [k, text] : kKeywords) {
        if (k == keyword) return text;
    }
    return {};
}

ScriptLine ParseScriptLine(std::string_view raw) {
    ScriptLine line;
    line.text = TrimBlanks(raw);
    if (StartsWith(line.text, "*")) {
        line.kind = LineKind::Comment;
        return line;
    }
    line.text = UpperLetters(line.text);
    if (StartsWith(line.text, ":")) {
        line.kind = LineKind::Label;
        line.argument = TrimLeftBlanks(std::string_view(line.text).substr(1));
        return line;
    }
    for (const auto& [keyword, text] : kKeywords) {
        if (StartsWith(line.text, text)) {
            line.kind = LineKind::Command;
            line.keyword = keyword;
            line.argument = TrimLeftBlanks(std::string_view(line.text).substr(text.size()));
            return line;
        }
    }
    line.kind = LineKind::Unknown;
    return line;
}

CodeTest ParseCodeTest(std::string_view argument) {
    CodeTest test;
    const std::size_t colon = argument.find(':');
    if (colon == std::string_view::npos) {
        test.status = CodeTest::Status::NoColon;
        return test;
    }
    static constexpr std::array<std::pair<CodeOperator, std::string_view>, 6> kOperators{{
        {CodeOperator::NotEqual, "<>"},
        {CodeOperator::LessOrEqual, "<="},
        {CodeOperator::GreaterOrEqual, ">="},
        {CodeOperator::Equal, "="},
        {CodeOperator::Less, "<"},
        {CodeOperator::Greater, ">"},
    }};
    for (const auto& [op, text] : kOperators) {
        const std::size_t at = argument.find(text);
        if (at == std::string_view::npos || at >= colon) continue;
        test.op = op;
        const std::size_t valueStart = at + text.size();
        const std::string_view valueText =
            valueStart <= colon ? argument.substr(valueStart, colon - valueStart) : std::string_view{};
        test.value = LeadingInt16(valueText, true);
        test.target = TrimLeftBlanks(argument.substr(colon + 1));
        return test;
    }
    test.status = CodeTest::Status::NoOperator;
    return test;
}

bool CodeHolds(CodeOperator op, int32_t lastExitCode, int16_t value) {
    const int32_t v = value;
    switch (op) {
        case CodeOperator::NotEqual:
            return lastExitCode != v;
        case CodeOperator::LessOrEqual:
            return lastExitCode <= v;
        case CodeOperator::GreaterOrEqual:
            return lastExitCode >= v;
        case CodeOperator::Equal:
            return lastExitCode == v;
        case CodeOperator::Less:
            return lastExitCode < v;
        case CodeOperator::Greater:
            return lastExitCode > v;
    }
    return false;
}

ProgramLine SplitProgramLine(std::string_view argument) {
    ProgramLine line;
    if (CharCount(argument) < 2) {
        line.name = argument;
        return line;
    }
    const char open = argument.front();
    if (open == '<' || open == '"') {
        const char close = open == '<' ? '>' : '"';
        const std::size_t end = argument.find(close, 1);
        if (end != std::string_view::npos) {
            line.name = argument.substr(1, end - 1);
            if (end + 1 < argument.size()) line.parameters = TrimBlanks(argument.substr(end + 1));
            return line;
        }
    }
    const std::size_t blank = argument.find(' ');
    if (blank == std::string_view::npos) {
        line.name = argument;
    } else {
        line.name = argument.substr(0, blank);
        line.parameters = argument.substr(blank + 1);
    }
    return line;
}

std::string ProgramExtension(std::string_view path) {
    return LaunchExtension(path, false);
}

bool IsProgramExtension(std::string_view extension) {
    return extension == "EXE" || extension == "COM" || extension == "BAT" || extension == "PIF";
}

std::string ProgramCommandLine(std::string_view path, std::string_view parameters) {
    std::string commandLine = "\"";
    commandLine += path;
    commandLine += "\" ";
    commandLine += parameters;
    return commandLine;
}

int16_t SleepMilliseconds(std::string_view argument) {
    return ToInt16Checked(LeadingNumber(argument, true) * 1000.0);
}

RemoteLine ParseRemoteLine(std::string_view argument) {
    RemoteLine line;
    if (CharCount(argument) > 1) {
        const std::size_t blank = argument.find(' ');
        if (blank != std::string_view::npos) {
            line.computer = argument.substr(0, blank);
            line.parameters = TrimBlanks(argument.substr(blank + 1));
            return line;
        }
    }
    line.computer = argument;
    return line;
}

std::optional<RemotePress> ParseRemotePress(std::string_view parameters) {
    const std::size_t blank = parameters.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    RemotePress press;
    press.page = LeadingInt16(parameters.substr(0, blank), true);
    press.button = LeadingInt16(parameters.substr(blank + 1), true);
    return press;
}

std::string RemotePressMessage(const RemotePress& press) {
    std::string message;
    for (int value : {static_cast<int>(press.page), static_cast<int>(press.button)}) {
        message += static_cast<char>('0' + value / 10 % 10);
        message += static_cast<char>('0' + value % 10);
    }
    return message;
}

std::string RemoteTextMessage(std::string_view sender, std::string_view text) {
    std::string message = "9999";
    message += sender;
    message += ':';
    message += text;
    return message;
}

}  // namespace torva::script
