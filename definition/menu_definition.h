#pragma once
// The in-memory model of one menu definition (.TVX), shared by the runtime, the editor and Tvtool.
// Every program holds exactly one, as program-wide state, in fixed arrays sized by the model's limits.
// The model is large (about a megabyte with all strings empty): keep it in static storage or behind a
// std::unique_ptr, never as a local on a thread's stack.
//
// Text is UTF-8. Arrays are 0-based; the file and the user count from 1, so use the 1-based accessors
// (Page, Button, StartProgram...) when a number comes from a file or a user.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/run_error.h"

namespace torva::definition {

// Limits of the model.
inline constexpr int kPageCount = 99;
inline constexpr int kMaxButtons = 24;       // slots per page; only buttonsPerPage of them are valid
inline constexpr int kButtonsNormal = 12;    // buttonsPerPage in display modes 1..8
inline constexpr int kButtonsExtended = 24;  // buttonsPerPage in display mode 9
inline constexpr int kEntryCount = 2;        // start, end, page start programs, timed starts, titles
inline constexpr int kDisplayModeCount = 9;
inline constexpr int kExtendedDisplayMode = 9;
inline constexpr int kRemoteButtonLimit = 12;  // "RCTL:" may press buttons 1..12 of a remote menu

// The editor's own version, written in the "[VER" line.
inline constexpr int kEditorVersionMajor = 8;
inline constexpr int kEditorVersionMinor = 5;

// Colours: 0x00BBGGRR, a system colour with the top bit set, or one of the two special values.
using Colour = uint32_t;
inline constexpr Colour kDefaultBackColour = 0x8000000F;  // button face
inline constexpr Colour kDefaultTextColour = 0x80000012;  // button text
inline constexpr Colour kTransparent = 0x01000000;
inline constexpr Colour kSemiTransparent = 0x02000000;

// Where a relative path the editor keeps is anchored (`pathBase`, `iconBase`, `programBase`).
inline constexpr uint8_t kBaseAbsolute = 0;
inline constexpr uint8_t kBaseDefinitionFolder = 1;
inline constexpr uint8_t kBaseProgramFolder = 2;
inline constexpr uint8_t kBaseWindowsFolder = 3;
inline constexpr uint8_t kBaseSystemFolder = 4;

// Wait modes of programs (`waitMode` of ProgramEntry is 0..1; `runOption` of action 1 and
// `pageWaitMode` are 0..4).
inline constexpr uint8_t kWaitNone = 0;          // "非同期"
inline constexpr uint8_t kWaitSync = 1;          // "同期"
inline constexpr uint8_t kWaitSyncHide = 2;      // "同期/ﾒﾆｭｰ非表示"
inline constexpr uint8_t kWaitSyncLock = 3;      // "同期/ﾒﾆｭｰﾛｯｸ"
inline constexpr uint8_t kWaitSyncLockHide = 4;  // "同期/ﾒﾆｭｰﾛｯｸ非表示"
inline constexpr uint8_t kMaxEntryWaitMode = 1;
inline constexpr uint8_t kMaxButtonWaitMode = 4;

enum class ButtonAction : uint8_t {
    None = 0,           // "CMD:" with nothing after it
    Run = 1,            // "CMD:" program [blank arguments]
    Page = 2,           // "PAGE" n
    End = 3,            // "END"
    ScreenSaver = 4,    // "SCR"
    Logoff = 5,         // "LOFF"
    Shutdown = 6,       // "SDWN"
    PowerOff = 7,       // "POFF"
    Reboot = 8,         // "REBT"
    ConfirmLogoff = 9,  // as 5..8 with option "1"
    ConfirmShutdown = 10,
    ConfirmPowerOff = 11,
    ConfirmReboot = 12,
    RemoteShutdown = 13,         // "RSDWN:" computer [blank message]
    RemoteReboot = 14,           // "RREBT:" computer [blank message]
    ConfirmRemoteShutdown = 15,  // as 13, 14 with option "1"
    ConfirmRemoteReboot = 16,
    RemoteMessage = 17,  // "RMSG:" computer [blank message]
    RemoteControl = 18,  // "RCTL:" computer blank page blank button
};
inline constexpr int kActionCount = 19;

// Start, end and page start programs.
struct ProgramEntry {
    std::string program;  // path or web address; empty = entry unused
    std::string arguments;
    uint8_t waitMode = kWaitNone;      // 0..1
    uint8_t pathBase = kBaseAbsolute;  // editor only

    bool used() const { return !program.empty(); }
    bool operator==(const ProgramEntry&) const = default;
};

// Elapsed-time ("AFT") and clock-time ("TIM") starts.
struct TimedStart {
    std::string time;    // "hh:mm", two digits each; empty = not set
    uint8_t page = 0;    // 1..99; 0 = not set
    uint8_t button = 0;  // 1..buttonsPerPage; 0 = not set

    bool unused() const { return time.empty() && page == 0 && button == 0; }
    bool operator==(const TimedStart&) const = default;
};

struct BarTitle {
    std::string text;
    Colour backColour = kDefaultBackColour;
    std::string picture;               // background picture path; empty = none
    uint8_t pathBase = kBaseAbsolute;  // of the picture; editor only

    bool operator==(const BarTitle&) const = default;
};

struct PageTitle {
    std::string text;
    std::string fontName;  // empty with an empty style and size 0 = font not set
    std::string fontStyle;
    uint8_t fontSize = 0;
    Colour foreColour = kDefaultTextColour;
    Colour backColour = kDefaultBackColour;

    bool operator==(const PageTitle&) const = default;
};

struct MenuButton {
    std::string icon;                  // "file" or "file|index"; empty = no icon
    uint8_t iconBase = kBaseAbsolute;  // editor only
    bool pfKey = false;
    std::string caption;
    std::string fontName;
    std::string fontStyle;
    uint8_t fontSize = 0;
    Colour foreColour = kDefaultTextColour;
    Colour backColour = kDefaultBackColour;
    std::string comment;
    std::string password;
    std::string guide;
    std::string workFolder;  // action 1 only
    ButtonAction action = ButtonAction::None;
    std::string program;                  // action 1: path or address; actions 13..18: computer name
    uint8_t programBase = kBaseAbsolute;  // editor only
    std::string arguments;                // action 1: arguments; actions 13..17: message
    uint8_t targetPage = 0;               // action 2: page to move to; action 18: remote page
    uint8_t runOption = 0;                // action 1: wait mode 0..4; action 18: remote button 1..12

    bool operator==(const MenuButton&) const = default;
};

struct MenuPage {
    bool defined = false;
    std::array<ProgramEntry, kEntryCount> pageStarts{};
    BarTitle barTitle;
    uint8_t pageWaitMode = kWaitNone;  // 0..4; not 0 = replaces the wait mode of every program button
    std::array<PageTitle, kEntryCount> titles{};  // [0] main title, [1] sub title
    std::array<MenuButton, kMaxButtons> buttons{};

    // 1-based access, as numbers come from files and users; out of range raises RunError(kErrSubscript).
    MenuButton& Button(int n) { return buttons.at(Checked(n, kMaxButtons)); }
    const MenuButton& Button(int n) const { return buttons.at(Checked(n, kMaxButtons)); }
    ProgramEntry& PageStart(int n) { return pageStarts.at(Checked(n, kEntryCount)); }
    const ProgramEntry& PageStart(int n) const { return pageStarts.at(Checked(n, kEntryCount)); }
    PageTitle& Title(int n) { return titles.at(Checked(n, kEntryCount)); }
    const PageTitle& Title(int n) const { return titles.at(Checked(n, kEntryCount)); }

    bool operator==(const MenuPage&) const = default;

    static std::size_t Checked(int n, int limit) {
        if (n < 1 || n > limit) throw RunError(kErrSubscript, "index out of range");
        return static_cast<std::size_t>(n - 1);
    }
};

// The option lines of the file. In the editor they are the check marks of the option menu items; the
// reader sets them and the writer reads them.
struct DefinitionOptions {
    bool dupCheck = false;        // "[DCHK]"
    bool noCheck = false;         // "[NCHK]": the runtime passes validation failures over
    bool pathSuppress = false;    // "[PSUP]": the editor writes paths in relative form
    bool pageKey = false;         // "[PKEY]"
    bool noControlBox = false;    // "[NCTL]"
    bool trayIcon = false;        // "[TSKI]"
    bool remoteControl = false;   // "[RCTL]"
    bool positionSave = false;    // "[PSAVE]"
    bool outerFrame = false;      // "[FRAME]"
    bool noFunctionKeys = false;  // "[NOFNC]"

    bool operator==(const DefinitionOptions&) const = default;
};

struct MenuDefinition {
    std::vector<std::string> comments;    // file order; the runtime skips them
    int formatClass = 3;                  // 1, 2 or 3; the writer always produces 3
    int displayMode = 1;                  // 1..9
    int buttonsPerPage = kButtonsNormal;  // 24 in display mode 9, else 12
    DefinitionOptions options;
    std::array<ProgramEntry, kEntryCount> startPrograms{};  // "STR1", "STR2"
    std::array<ProgramEntry, kEntryCount> endPrograms{};    // "END1", "END2"
    std::array<TimedStart, kEntryCount> elapsedStarts{};    // "AFT1", "AFT2"
    std::array<TimedStart, kEntryCount> clockStarts{};      // "TIM1", "TIM2"
    std::array<MenuPage, kPageCount> pages{};
    // Editor: every page shows page 1's bar title; the writer then writes page 1's bar title line on
    // every page.
    bool commonBackground = false;

    MenuPage& Page(int n) { return pages.at(MenuPage::Checked(n, kPageCount)); }
    const MenuPage& Page(int n) const { return pages.at(MenuPage::Checked(n, kPageCount)); }
    ProgramEntry& StartProgram(int n) { return startPrograms.at(MenuPage::Checked(n, kEntryCount)); }
    const ProgramEntry& StartProgram(int n) const {
        return startPrograms.at(MenuPage::Checked(n, kEntryCount));
    }
    ProgramEntry& EndProgram(int n) { return endPrograms.at(MenuPage::Checked(n, kEntryCount)); }
    const ProgramEntry& EndProgram(int n) const { return endPrograms.at(MenuPage::Checked(n, kEntryCount)); }
    TimedStart& ElapsedStart(int n) { return elapsedStarts.at(MenuPage::Checked(n, kEntryCount)); }
    const TimedStart& ElapsedStart(int n) const {
        return elapsedStarts.at(MenuPage::Checked(n, kEntryCount));
    }
    TimedStart& ClockStart(int n) { return clockStarts.at(MenuPage::Checked(n, kEntryCount)); }
    const TimedStart& ClockStart(int n) const { return clockStarts.at(MenuPage::Checked(n, kEntryCount)); }

    bool operator==(const MenuDefinition&) const = default;
};

// Buttons per page of a display mode.
constexpr int ButtonsForMode(int displayMode) {
    return displayMode == kExtendedDisplayMode ? kButtonsExtended : kButtonsNormal;
}

// Names of the display modes ("MODE1(標準)"...), 1..9; empty for other values.
const char* DisplayModeName(int displayMode);

// Listing names of the actions ("＜プログラム実行＞"...); empty for values beyond 18.
const char* ActionName(ButtonAction action);

// Resets the model to an empty definition, as the editor's clearDefinition does, plus display mode 1,
// 12 buttons a page, no option set, no comments and commonBackground off. The vector of comments keeps
// no capacity of an earlier file; every other text is emptied in place and keeps its buffer, so that
// reading the next file into the same model allocates only for texts longer than before.
void clearDefinition(MenuDefinition& def);
// The same but for the buttons, which keep what they held: for a reader that puts the buttons a file
// gives in whole and clears only the others after.
void clearDefinitionExceptButtons(MenuDefinition& def);

// A button as MenuButton{} makes it, its texts emptied in place (their buffers kept).
void clearButton(MenuButton& button);
// Only what a button line sets for some lines alone (the icon and the command's parts) cleared as
// clearButton clears it: a reader sets every other field from each line. Inline, as the reader calls
// it for every button line.
inline void clearButtonIconAndCommand(MenuButton& b) {
    b.icon.clear();
    b.iconBase = kBaseAbsolute;
    b.workFolder.clear();
    b.action = ButtonAction::None;
    b.program.clear();
    b.programBase = kBaseAbsolute;
    b.arguments.clear();
    b.targetPage = 0;
    b.runOption = 0;
}

}  // namespace torva::definition
