#pragma once
// The script line parser: a raw line of a script becomes a comment, a label or a command with its
// argument, and the arguments of the commands that have structure are taken apart here. Nothing in
// this file touches the system.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace torva::script {

// In the order the keywords are tried; the first match wins.
enum class Keyword {
    Wait,
    NoWait,
    End,
    Cend,
    Rebt,
    Poff,
    Sdwn,
    Loff,
    Rmsg,
    Rctl,
    Rsdwn,
    Rrebt,
    Sleep,
    Msg,
    MsgA,
    MsgB,
    Code,
    Back,
};

enum class LineKind {
    Comment,  // first character "*"
    Label,    // first character ":"; argument is the label name
    Command,  // a keyword and its argument
    Unknown,  // no keyword (also the empty line): error 1 unless a label is being searched for
};

struct ScriptLine {
    LineKind kind = LineKind::Unknown;
    Keyword keyword = Keyword::Wait;  // meaningful for commands only
    std::string text;                 // the line trimmed and, unless a comment, upper-cased
    std::string argument;             // after the keyword (or ":"), leading blanks removed
};

ScriptLine ParseScriptLine(std::string_view raw);

std::string_view KeywordText(Keyword keyword);

// CODE lines ---------------------------------------------------------------------------------------

enum class CodeOperator { NotEqual, LessOrEqual, GreaterOrEqual, Equal, Less, Greater };

struct CodeTest {
    enum class Status { Ok, NoColon, NoOperator } status = Status::Ok;
    CodeOperator op = CodeOperator::Equal;
    int16_t value = 0;
    std::string target;
};

// Parses the argument of a CODE line. A value too large for 16 bits raises RunError(overflow).
CodeTest ParseCodeTest(std::string_view argument);

// Signed comparison of the last exit code with the value.
bool CodeHolds(CodeOperator op, int32_t lastExitCode, int16_t value);

// WAIT: and NOWAIT: lines --------------------------------------------------------------------------

struct ProgramLine {
    std::string name;
    std::string parameters;
};

// Program in angle brackets, in double quotes, or up to the first blank; the rest are parameters.
ProgramLine SplitProgramLine(std::string_view argument);

// Upper-case extension of a launch path, "" when it has none (addresses have none). Scanning back,
// every "|" marks a new end, a "\" ends with no extension, a "." at character 2 or later ends it.
std::string ProgramExtension(std::string_view path);

bool IsProgramExtension(std::string_view extension);

// The command line of a program: the path in double quotes, one blank, the parameters.
std::string ProgramCommandLine(std::string_view path, std::string_view parameters);

// SLEEP: -------------------------------------------------------------------------------------------

// Milliseconds of a SLEEP: argument (seconds, decimals allowed). Raises RunError(overflow) beyond
// the 16-bit range.
int16_t SleepMilliseconds(std::string_view argument);

// Remote lines -------------------------------------------------------------------------------------

struct RemoteLine {
    std::string computer;
    std::string parameters;
};

// The computer name up to the first blank and the trimmed rest.
RemoteLine ParseRemoteLine(std::string_view argument);

struct RemotePress {
    int16_t page = 0;
    int16_t button = 0;
    bool InRange() const { return page >= 1 && page <= 99 && button >= 1 && button <= 24; }
};

// Page and button of RCTL: parameters; nothing without a blank between them. Numbers too large
// for 16 bits raise RunError(overflow).
std::optional<RemotePress> ParseRemotePress(std::string_view parameters);

// "PPBB": page and button as two decimal digits each. Only for presses that are InRange().
std::string RemotePressMessage(const RemotePress& press);

// "9999" + sender + ":" + text.
std::string RemoteTextMessage(std::string_view sender, std::string_view text);

}  // namespace torva::script
