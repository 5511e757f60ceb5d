#pragma once
// The texts of program entries and button commands, taken apart. The parts are views into the text
// taken apart, valid as long as it is.

#include <string_view>

#include "definition/menu_definition.h"

namespace torva::definition {

struct ProgramText {
    std::string_view program;
    std::string_view arguments;
};

// Trimmed; "<program> arguments" when the text starts with "<" and holds a ">", else the program up
// to the first blank and the trimmed rest as arguments.
ProgramText splitProgramText(std::string_view text);

// The forms of a button's command text.
enum class CommandForm {
    Simple,
    Page,
    Run,
    RemoteShutdown,
    RemoteReboot,
    RemoteMessage,
    RemoteControl,
    Unknown
};

struct CommandText {
    CommandForm form = CommandForm::Unknown;
    ButtonAction simpleAction = ButtonAction::None;  // Simple: 3..8 before the confirmation option
    std::string_view rest;  // the text after the form's prefix, in its original case (not trimmed)
};

// Classifies a command text by its trimmed, upper-cased form.
CommandText classifyCommand(std::string_view text);

// "computer[ message]" of the remote commands: the computer up to the first blank, the rest trimmed.
struct RemoteText {
    std::string_view computer;
    std::string_view message;
};
RemoteText splitRemoteText(std::string_view rest);

// "computer page button" of "RCTL:": the page text up to the first blank of the trimmed remainder
// after the computer, the button text after it.
struct RemoteControlText {
    std::string_view computer;
    std::string_view pageText;
    std::string_view buttonText;
    bool complete() const { return !computer.empty() && !pageText.empty() && !buttonText.empty(); }
};
RemoteControlText splitRemoteControlText(std::string_view rest);

}  // namespace torva::definition
