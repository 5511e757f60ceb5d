#pragma once
// Finding the windows of a program under test and reading what they show.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/harness/wait.h"

namespace torva::e2e {

// Which top-level windows to look for. Empty fields match anything.
struct WindowQuery {
    DWORD processId = 0;  // 0: any process
    std::string caption;  // UTF-8; compared whole, or as a prefix when captionPrefix is set
    bool captionPrefix = false;
    std::string className;  // e.g. "#32770" for dialogs and message boxes
    bool visibleOnly = true;

    // Chainable setters: WindowQuery().OfProcess(pid).OfClass("#32770").
    WindowQuery& OfProcess(DWORD id) {
        processId = id;
        return *this;
    }
    WindowQuery& WithCaption(std::string text) {
        caption = std::move(text);
        captionPrefix = false;
        return *this;
    }
    WindowQuery& WithCaptionPrefix(std::string text) {
        caption = std::move(text);
        captionPrefix = true;
        return *this;
    }
    WindowQuery& OfClass(std::string name) {
        className = std::move(name);
        return *this;
    }
    WindowQuery& IncludingHidden() {
        visibleOnly = false;
        return *this;
    }
};

// Top-level windows matching the query, in Z order (topmost first).
std::vector<HWND> FindTopLevelWindows(const WindowQuery& query);
// Polls until a matching window exists; nothing after the timeout.
std::optional<HWND> WaitForWindow(const WindowQuery& query, Millis timeout = kDefaultTimeout);
// Polls until no matching window is left; false after the timeout.
bool WaitForNoWindow(const WindowQuery& query, Millis timeout = kDefaultTimeout);
inline WindowQuery Titled(const std::string& caption) {
    return WindowQuery().WithCaption(caption);
}
// Closes every top-level window with the caption and waits until they are gone.
bool CloseWindowsTitled(const std::string& caption);

// One round trip through the window's message queue: true when the window's thread answered a
// message sent now (it had returned to its message loop), false when it did not within the timeout.
bool MessageRoundTrip(HWND hwnd, Millis timeout = Millis(2000));
// Waits until the top-level window and every visible control below it have nothing left to paint and
// its thread has gone back to its message loop after painting, so a screen capture shows what it drew.
bool WaitUntilPainted(HWND topLevel, Millis timeout = kDefaultTimeout);

// For checks that something did NOT happen after input was posted to a window: two round trips (the
// posted input ahead of them has been handled, and any program its handler started has been created),
// then a wait until every program that the window's process started has ended (each has done what
// it would do). False when that does not come within the timeout.
bool WaitUntilSettled(HWND window, Millis timeout = kDefaultTimeout);
// Waits until no program that the given process started still runs (the process may have ended).
bool WaitForChildrenToEnd(DWORD parentProcessId, Millis timeout = kDefaultTimeout);
// The programs that the given process started and that still run.
std::vector<DWORD> LiveChildren(DWORD parentProcessId);
inline std::size_t LiveChildCount(DWORD parentProcessId) {
    return LiveChildren(parentProcessId).size();
}

// Window text through WM_GETTEXT (works across processes; bounded by a send timeout).
std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);
DWORD WindowProcessId(HWND hwnd);
// The window that has the keyboard focus in hwnd's thread; null when none has it.
HWND FocusedWindow(HWND hwnd);
LONG_PTR WindowStyle(HWND hwnd);
LONG_PTR WindowExStyle(HWND hwnd);
bool IsTopmost(HWND hwnd);

// Rectangles of a window: outer in screen coordinates, client area in screen coordinates.
RECT WindowRectOnScreen(HWND hwnd);
RECT ClientRectOnScreen(HWND hwnd);
inline int Width(const RECT& r) {
    return r.right - r.left;
}
inline int Height(const RECT& r) {
    return r.bottom - r.top;
}

// One control below a top-level window.
struct ControlInfo {
    HWND hwnd = nullptr;
    HWND parent = nullptr;
    std::string className;
    std::string text;
    int id = 0;
    bool visible = false;
    bool enabled = false;
    RECT screen{};    // in screen coordinates
    RECT inParent{};  // in client coordinates of the parent window
};

ControlInfo DescribeControl(HWND control);
// All descendants, depth first, in the order the system enumerates them.
std::vector<ControlInfo> ListControls(HWND topLevel);
std::optional<ControlInfo> FindControlById(HWND topLevel, int id);
// The first control whose class matches (case-insensitive) and, when text is given, whose text
// equals it.
std::optional<ControlInfo> FindControl(HWND topLevel, const std::string& className,
                                       const std::optional<std::string>& text = std::nullopt);

}  // namespace torva::e2e
