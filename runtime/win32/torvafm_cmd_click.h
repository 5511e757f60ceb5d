#pragma once
// The seam between the menu window and button activation. The window calls these; button
// activation, the timed starts and the mailslot (ActivationRuntime) implement them.

namespace torva::runtime::win32 {

class MenuEvents {
  public:
    virtual ~MenuEvents() = default;
    // A button (1..24) was clicked, or its function key or Enter was pressed.
    virtual void TORVAFM_CMD_Click(int index) = 0;
    // Window load, after the layout, the placement and the system menu: arm timed starts and open
    // the mailslot.
    virtual void TORVAFM_OnLoad() = 0;
    // First step of every close, before the close can be refused: stop the mailslot.
    virtual void TORVAFM_OnClosing() = 0;
};

}  // namespace torva::runtime::win32
