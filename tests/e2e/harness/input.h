#pragma once
// Keys and clicks for a program under test. Posted messages reach a window whatever has the focus;
// SendInput goes through the system's input queue and needs the target in the foreground.

#include <windows.h>

#include <string>
#include <vector>

namespace torva::e2e {

// WM_KEYDOWN then WM_KEYUP of a virtual key, posted to the window.
void PostKey(HWND hwnd, UINT virtualKey);
// One WM_CHAR per UTF-16 unit of the UTF-8 text.
void PostText(HWND hwnd, const std::string& text);

// Brings the top-level window to the foreground (bounded attempts); true when it got there.
bool BringToForeground(HWND topLevel);
// Presses and releases each key through SendInput, in order; modifiers are pressed first and
// released last (e.g. {VK_SHIFT, VK_F3} for Shift+F3).
bool SendKeyChord(const std::vector<WORD>& keys);
// Types the UTF-8 text through SendInput as Unicode key events.
bool SendText(const std::string& text);

// Clicks a button control the way a user's click ends: BM_CLICK, posted so that a handler that
// opens a modal box does not block the test.
void ClickButton(HWND button);
// A menu or control command (WM_COMMAND with the id), posted to the window.
void PostCommand(HWND hwnd, int id);
// A system command (WM_SYSCOMMAND), posted: SC_CLOSE, or a program's own system-menu ids.
void PostSysCommand(HWND hwnd, UINT command);
// Left (or right) button down and up at a point in the window's client coordinates, posted.
void ClickAt(HWND hwnd, POINT client, bool right = false);
// A real mouse click through SendInput at a point in the window's client coordinates.
bool SendClickAt(HWND hwnd, POINT client, bool right = false);
// A real mouse move through SendInput to a point in the window's client coordinates.
bool SendMouseMoveTo(HWND hwnd, POINT client);

}  // namespace torva::e2e
