#pragma once
// What button activation and the polling timers ask of the menu window. The Win32 window implements
// it; unit tests replace it with a recording fake. Every call is made on the GUI thread.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/processes.h"
#include "menuview/press_state.h"

namespace torva::activation {

class MenuWindowHost {
  public:
    virtual ~MenuWindowHost() = default;

    // The menu window's handle, as the script runner receives it.
    virtual std::uint64_t WindowHandle() const = 0;

    virtual int CurrentPage() const = 0;
    // Makes the page current and draws it completely (page start programs included).
    virtual void ShowPage(int page) = 0;

    // Click state of button 1..24 of the shown page (set by the mouse handlers of the window).
    virtual menuview::ClickState ClickStateOf(int button) const = 0;
    virtual void SetClickState(int button, menuview::ClickState state) = 0;

    // Modal password dialog over the menu window: true when the right password was entered.
    virtual bool AskPassword(const std::string& password, const std::string& guide) = 0;
    // Yes/No box, warning icon, "No" the default, title "TORVA": true for Yes.
    virtual bool Confirm(const std::string& text) = 0;
    // Modal input box with the given prompt, title "TORVA": nothing when cancelled.
    virtual std::optional<std::string> AskText(const std::string& prompt) = 0;
    // Message box with the critical icon, title "TORVA".
    virtual void ShowCritical(const std::string& text) = 0;
    // The runtime's error report for a failure it survives (code below 500 with its texts).
    virtual void ReportFailure(int16_t code, const std::string& message, const std::string& detail) = 0;

    // Disables the menu window (a synchronous program or a document opener is running).
    virtual void LockMenu() = 0;
    // Enables it again and gives the focus back to the last focused button.
    virtual void UnlockMenu() = 0;
    // With the tray option: hide the window and show the hidden-menu tray icon; otherwise minimise.
    virtual void HideMenu() = 0;
    // Undoes HideMenu (tray: show without a taskbar button, shown-menu icon; otherwise maximised in
    // the full-screen mode and normal in the others) and brings the menu to the foreground.
    virtual void ShowMenu() = 0;
    virtual bool IsForeground() const = 0;

    virtual void StartRunningTimer() = 0;
    virtual void StopRunningTimer() = 0;
    virtual void StartDocumentTimer() = 0;
    virtual void StopDocumentTimer() = 0;

    // Restores a window of another program and brings it to the foreground.
    virtual void BringForward(platform::WindowId window) = 0;

    // Runs the end programs (waiting for those with the wait flag).
    virtual void RunEndPrograms() = 0;
    // Closes the menu for good after a button action that has already run the end programs.
    virtual void CloseAfterAction() = 0;
    // Asks the window system to start the screen saver (systems without the per-user value).
    virtual void StartScreenSaverCommand() = 0;
};

}  // namespace torva::activation
