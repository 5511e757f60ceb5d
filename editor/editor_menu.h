#pragma once
// The editor's menu bar as data: items, captions, access keys, accelerators, the second menu that
// stands for the whole bar in the vertical-bar mode (its items are twins of the bar's), and the state
// of every item (checked, enabled, visible) as it follows from the model and the window state. The
// Win32 side builds its menus from this and applies each item's state to the item and its twin alike.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "definition/menu_definition.h"
#include "editor/window_state.h"

namespace torva::editor {

// Command identifiers. A twin's identifier is its item's plus kTwinOffset.
enum class MenuId : int {
    None = 0,
    File = 100,
    FileNew,
    FileOpen,
    FileUpdate,
    FileAdd,
    FileConv,
    FileText,
    FileExit,
    FileDummy3,
    FileReturn,
    Edit = 200,
    EditCut,
    EditCopy,
    EditPaste,
    EditDel,
    EditDummy,
    EditVar,
    EditPstr,
    EditDummy2,
    EditStend,
    EditTime,
    Disp = 300,
    DispTop,
    DispBefore,
    DispNext,
    DispEnd,
    DispMode,
    DispMode1 = 311,  // .. DispMode1 + 8 for mode 9
    DispExpand = 320,
    DispPosition,
    DispFrame,
    DispFunction,
    Option = 400,
    OptionDupCheck,
    OptionNoCheck,
    OptionPath,
    OptionPageKey,
    OptionNoCtrl,
    OptionTaskTray,
    OptionRCtrl,
    Help = 500,
    HelpTopic,
    HelpVersion,
    Menu = 600,  // M_MENU, the whole bar under one entry
};

inline constexpr int kTwinOffset = 1000;

constexpr MenuId ModeItem(int mode) {
    return static_cast<MenuId>(static_cast<int>(MenuId::DispMode1) + mode - 1);
}
// The display mode an item selects, or 0.
constexpr int ModeOfItem(MenuId id) {
    const int n = static_cast<int>(id) - static_cast<int>(MenuId::DispMode1) + 1;
    return n >= 1 && n <= definition::kDisplayModeCount ? n : 0;
}
constexpr int TwinId(MenuId id) {
    return static_cast<int>(id) + kTwinOffset;
}
// The item a command identifier stands for: twins act as their item.
constexpr MenuId ItemOfCommand(int command) {
    return static_cast<MenuId>(command > kTwinOffset ? command - kTwinOffset : command);
}

enum class MenuNodeKind { Item, Separator, Popup };

struct MenuNode {
    MenuNodeKind kind = MenuNodeKind::Item;
    MenuId id = MenuId::None;  // None for separators that never change
    std::string_view name;     // "M_FILE_NEW"
    std::string_view caption;
    std::string_view accelerator;  // shown after a tab in the bar, written into the twin's caption
    int twinSpaces = 0;            // blanks between a twin's caption and its shortcut text
    std::span<const MenuNode> children;
};

// The five menus of the bar, in order.
std::span<const MenuNode> MenuBar();
// M_MENU's caption and its five twin menus' captions ("ﾌｧｲﾙ(&F)"...).
inline constexpr std::string_view kMenuCaption = "ﾒﾆｭｰ(&M)";
std::string_view TwinMenuCaption(MenuId topMenu);

// The caption of item or twin: the twin carries its shortcut after a run of blanks.
std::string ItemCaption(const MenuNode& node, bool twin);
// The bar caption of a top menu in a display mode; nothing in mode 7, whose bar shows M_MENU alone
// and leaves the five captions as they were.
std::optional<std::string_view> TopMenuCaption(MenuId topMenu, int displayMode);
// Finds an item by identifier anywhere in the bar.
const MenuNode* FindMenuNode(MenuId id);

struct ItemState {
    bool checked = false;
    bool enabled = true;
    bool visible = true;

    bool operator==(const ItemState&) const = default;
};

ItemState MenuItemState(MenuId id, const definition::MenuDefinition& def, const EditorWindowState& state);

// The Edit menu opened as a context menu hides some of its items for as long as it is open.
enum class ContextMenu { None, Element, Page };
bool HiddenInContextMenu(MenuId id, ContextMenu menu);

// The check items that are option flags of the model (the seven option items and the three display
// extension items). "TORVA定義ﾁｪｯｸ" is checked when the definition does not pass failures over.
bool IsOptionItem(MenuId id);
bool OptionChecked(MenuId id, const definition::DefinitionOptions& options);
void ToggleOptionItem(MenuId id, definition::DefinitionOptions& options);

// The location number a command's handler reports an unexpected failure with; 0 for none.
int CommandLocation(MenuId id);

// Caption of the main window.
inline constexpr std::string_view kUntitledCaption = "ＴＯＲＶＡ command definition create tool";
std::string WindowCaption(const std::string& currentPath);

}  // namespace torva::editor
