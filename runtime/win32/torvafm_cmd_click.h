#pragma once
// The seam between the menu window and button activation. The window calls these; button
// activation, the timed starts and the mailslot implement them.

namespace torva::runtime::win32 {

// A button (1..24) was clicked, or its function key or Enter was pressed.
void TORVAFM_CMD_Click(int index);
// Window load, after the layout, the placement and the system menu: arm timed starts and open the
// mailslot.
void TORVAFM_OnLoad();
// First step of every close, before the close can be refused: stop the mailslot.
void TORVAFM_OnClosing();

}  // namespace torva::runtime::win32
