#pragma once
// Why the menu window closes, and what the close then does.

namespace torva::runtime {

enum class CloseReason : int {
    User = 0,            // title bar, Alt+F4, system menu
    EndProgramsRun = 1,  // the editor command, or a button that already ran the end programs
    ProgramCommand = 2,  // system command 1090 from another program
};

struct CloseDecision {
    bool refuse = false;  // [NCTL] keeps the menu open
    bool runEndPrograms = false;
};

CloseDecision DecideClose(CloseReason reason, bool noControlBox);

}  // namespace torva::runtime
