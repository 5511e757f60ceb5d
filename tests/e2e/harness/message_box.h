#pragma once
// Message boxes of a program under test: found by their dialog class "#32770", read, answered.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/wait.h"

namespace torva::e2e {

enum class MessageBoxIcon { None, Error, Question, Warning, Information, Unknown };
const char* IconName(MessageBoxIcon icon);

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string title;
    std::string text;  // the message, line breaks as the program passed them (CR, LF or CR LF)
    MessageBoxIcon icon = MessageBoxIcon::None;
    std::vector<int> buttons;  // control ids of the push buttons (IDOK, IDYES, ...), in tab order
};

// Reads a dialog window as a message box (the caller knows it is one).
MessageBoxInfo ReadMessageBox(HWND dialog);
// The visible message boxes of a process (0: of any process).
std::vector<MessageBoxInfo> FindMessageBoxes(DWORD processId);
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD processId, Millis timeout = kDefaultTimeout);
// Presses the button with the id (IDOK, IDCANCEL, IDYES, IDNO...); false when the box has no such
// button.
bool AnswerMessageBox(HWND dialog, int buttonId);

}  // namespace torva::e2e
