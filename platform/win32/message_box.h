#pragma once
// Message boxes with UTF-8 texts that come to the front: the programs often show them with no
// window of their own, right after another program had the focus.

#include <windows.h>

#include <string>

namespace torva::win32 {

// MessageBoxW with MB_SETFOREGROUND added to the given type; returns the button pressed (IDOK...).
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

// The fatal-error form: critical icon and OK button.
inline int ShowErrorBox(HWND owner, const std::string& text, const std::string& caption) {
    return ShowMessageBox(owner, text, caption, MB_OK | MB_ICONERROR);
}

}  // namespace torva::win32
