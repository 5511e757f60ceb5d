// TVSETUPFM: the menu bar, the single menu that replaces it in the vertical-bar mode (its items are
// twins of the bar's and get every state change the bar's items get), and the Edit menu shown as
// a context menu over an element or over the page.
#include "editor/win32/tvsetupfm.h"
#include "platform/win32/wide.h"

namespace torva::editor::win32 {

using torva::win32::Wide;

HMENU MainWindow::BuildPopup(std::span<const MenuNode> nodes, bool twin, ContextMenu hide) const {
    HMENU popup = CreatePopupMenu();
    for (const MenuNode& node : nodes) {
        const ItemState state = MenuItemState(node.id, session_.model(), session_.state());
        if (!state.visible || HiddenInContextMenu(node.id, hide)) continue;
        switch (node.kind) {
            case MenuNodeKind::Separator:
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                break;
            case MenuNodeKind::Popup:
                AppendMenuW(popup, MF_POPUP,
                            reinterpret_cast<UINT_PTR>(BuildPopup(node.children, twin, hide)),
                            Wide(node.caption).c_str());
                break;
            case MenuNodeKind::Item: {
                std::string caption = ItemCaption(node, twin);
                if (!twin && !node.accelerator.empty()) caption += "\t" + std::string(node.accelerator);
                UINT flags = MF_STRING;
                if (state.checked) flags |= MF_CHECKED;
                if (!state.enabled) flags |= MF_GRAYED;
                const int id = twin ? TwinId(node.id) : static_cast<int>(node.id);
                AppendMenuW(popup, flags, static_cast<UINT_PTR>(id), Wide(caption).c_str());
                break;
            }
        }
    }
    return popup;
}

void MainWindow::BuildMenus() {
    HMENU oldBar = barMenu_;
    HMENU oldSingle = singleMenu_;
    barMenu_ = CreateMenu();
    const auto bar = MenuBar();
    for (std::size_t i = 0; i < bar.size(); ++i) {
        AppendMenuW(barMenu_, MF_POPUP,
                    reinterpret_cast<UINT_PTR>(BuildPopup(bar[i].children, false, ContextMenu::None)),
                    Wide(topCaptions_[i]).c_str());
    }
    singleMenu_ = CreateMenu();
    HMENU all = CreatePopupMenu();
    for (const MenuNode& top : bar) {
        AppendMenuW(all, MF_POPUP,
                    reinterpret_cast<UINT_PTR>(BuildPopup(top.children, true, ContextMenu::None)),
                    Wide(TwinMenuCaption(top.id)).c_str());
    }
    AppendMenuW(singleMenu_, MF_POPUP, reinterpret_cast<UINT_PTR>(all), Wide(kMenuCaption).c_str());
    SetMenu(Handle(), singleShown_ ? singleMenu_ : barMenu_);
    if (oldBar) DestroyMenu(oldBar);
    if (oldSingle) DestroyMenu(oldSingle);
}

namespace {

template <typename F>
void ForEachItem(std::span<const MenuNode> nodes, F&& f) {
    for (const MenuNode& node : nodes) {
        if (node.kind == MenuNodeKind::Item) f(node.id);
        ForEachItem(node.children, f);
    }
}

}  // namespace

void MainWindow::ApplyMenuStates() {
    // Every item lies in a drop-down menu, which shows its items' states when it opens: the bar
    // itself needs no redraw for them (a redraw recomputes the whole window frame).
    ForEachItem(MenuBar(), [&](MenuId id) {
        const ItemState state = MenuItemState(id, session_.model(), session_.state());
        const UINT check = state.checked ? MF_CHECKED : MF_UNCHECKED;
        const UINT enable = state.enabled ? MF_ENABLED : MF_GRAYED;
        for (const auto& [menu, command] :
             {std::pair{barMenu_, static_cast<int>(id)}, std::pair{singleMenu_, TwinId(id)}}) {
            CheckMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | check);
            EnableMenuItem(menu, static_cast<UINT>(command), MF_BYCOMMAND | enable);
        }
    });
}

void MainWindow::ApplyMenuBarForm() {
    const int mode = session_.model().displayMode;
    const auto bar = MenuBar();
    bool changed = false;
    for (std::size_t i = 0; i < bar.size(); ++i) {
        if (const auto caption = TopMenuCaption(bar[i].id, mode); caption && topCaptions_[i] != *caption) {
            topCaptions_[i] = std::string(*caption);
            changed = true;
        }
    }
    const bool single = mode == 7;
    // The vertical bar is too narrow for a minimise box.
    LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    const LONG_PTR wanted =
        single ? (style & ~static_cast<LONG_PTR>(WS_MINIMIZEBOX)) : (style | WS_MINIMIZEBOX);
    if (wanted != style) {
        SetWindowLongPtrW(Handle(), GWL_STYLE, wanted);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    if (changed) {
        singleShown_ = single;
        BuildMenus();
    } else if (single != singleShown_) {
        singleShown_ = single;
        SetMenu(Handle(), single ? singleMenu_ : barMenu_);
    }
}

void MainWindow::ShowContextMenu(ContextMenu kind, POINT screen) {
    HMENU popup = BuildPopup(MenuBar()[1].children, false, kind);
    const UINT command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                                        screen.x, screen.y, 0, Handle(), nullptr);
    DestroyMenu(popup);
    if (command != 0) RunCommand(ItemOfCommand(static_cast<int>(command)));
}

}  // namespace torva::editor::win32
