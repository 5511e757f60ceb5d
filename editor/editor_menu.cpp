#include "editor/editor_menu.h"

#include <array>

#include "editor/location_codes.h"

namespace torva::editor {
namespace {

using K = MenuNodeKind;

constexpr MenuNode Item(MenuId id, std::string_view name, std::string_view caption,
                        std::string_view accelerator = {}, int twinSpaces = 0) {
    return {K::Item, id, name, caption, accelerator, twinSpaces, {}};
}
constexpr MenuNode Separator(MenuId id = MenuId::None, std::string_view name = {}) {
    return {K::Separator, id, name, {}, {}, 0, {}};
}
constexpr MenuNode Popup(MenuId id, std::string_view name, std::string_view caption,
                         std::span<const MenuNode> children) {
    return {K::Popup, id, name, caption, {}, 0, children};
}

constexpr std::array kFileItems{
    Item(MenuId::FileNew, "M_FILE_NEW", "新規ﾒﾆｭｰ(&N)", "Ctrl+N", 22),
    Item(MenuId::FileOpen, "M_FILE_OPEN", "ﾒﾆｭｰを開く(&O)", "Ctrl+O", 21),
    Item(MenuId::FileUpdate, "M_FILE_UPDATE", "ﾒﾆｭｰの上書き保存(&S)", "Ctrl+S", 11),
    Item(MenuId::FileAdd, "M_FILE_ADD", "名前を付けてﾒﾆｭｰの保存(&A)", "Ctrl+A", 2),
    Separator(),
    Item(MenuId::FileConv, "M_FILE_CONV", "ﾒﾆｭｰの変換(&C)"),
    Item(MenuId::FileText, "M_FILE_TEXT", "テキスト出力(&T)"),
    Separator(),
    Item(MenuId::FileExit, "M_FILE_EXIT", "TORVAｾｯﾄｱｯﾌﾟの終了(&X)"),
    Separator(MenuId::FileDummy3, "M_FILE_DUMMY3"),
    Item(MenuId::FileReturn, "M_FILE_RETURN", "TORVAへ復帰(&R)"),
};

constexpr std::array kEditItems{
    Item(MenuId::EditCut, "M_EDIT_CUT", "切り取り(&T)", "Ctrl+X", 23),
    Item(MenuId::EditCopy, "M_EDIT_COPY", "コピー(&C)", "Ctrl+C", 25),
    Item(MenuId::EditPaste, "M_EDIT_PASTE", "貼り付け(&P)", "Ctrl+V", 22),
    Item(MenuId::EditDel, "M_EDIT_DEL", "削除(&D)", "Del", 27),
    Separator(MenuId::EditDummy, "M_EDIT_DUMMY"),
    Item(MenuId::EditVar, "M_EDIT_VAR", "バータイトル設定(&V)"),
    Item(MenuId::EditPstr, "M_EDIT_PSTR", "ページ始動プログラム設定(&R)"),
    Separator(MenuId::EditDummy2, "M_EDIT_DUMMY2"),
    Item(MenuId::EditStend, "M_EDIT_STEND", "始動・終了プログラム設定(&S)"),
    Item(MenuId::EditTime, "M_EDIT_TIME", "時間起動ボタン設定(&M)"),
};

constexpr std::array kModeItems{
    Item(ModeItem(1), "M_DISP_MODEX(1)", "モード &1 標準"),
    Item(ModeItem(2), "M_DISP_MODEX(2)", "モード &2 右端"),
    Item(ModeItem(3), "M_DISP_MODEX(3)", "モード &3 左端"),
    Item(ModeItem(4), "M_DISP_MODEX(4)", "モード &4 全画面"),
    Item(ModeItem(5), "M_DISP_MODEX(5)", "モード &5 ｱｲｺﾝ"),
    Item(ModeItem(6), "M_DISP_MODEX(6)", "モード &6 ｱｲｺﾝ小"),
    Item(ModeItem(7), "M_DISP_MODEX(7)", "モード &7 縦ﾊﾞｰ"),
    Item(ModeItem(8), "M_DISP_MODEX(8)", "モード &8 標準大"),
    Item(ModeItem(9), "M_DISP_MODEX(9)", "モード &9 拡張"),
};

constexpr std::array kExpandItems{
    Item(MenuId::DispPosition, "M_DISP_POSITION", "位置記憶(&R)"),
    Item(MenuId::DispFrame, "M_DISP_FRAME", "外枠表示(&F)"),
    Item(MenuId::DispFunction, "M_DISP_FUNCTION", "ﾌｧﾝｸｼｮﾝ表示無(&P)"),
};

constexpr std::array kDispItems{
    Item(MenuId::DispTop, "M_DISP_TOP", "先頭ﾍﾟｰｼﾞ(&T)   (Home)"),
    Item(MenuId::DispBefore, "M_DISP_BEFORE", "前のﾍﾟｰｼﾞ(&B)   (PageUp)"),
    Item(MenuId::DispNext, "M_DISP_NEXT", "次のﾍﾟｰｼﾞ(&N)   (PageDown)"),
    Item(MenuId::DispEnd, "M_DISP_END", "最終ﾍﾟｰｼﾞ(&E)   (End)"),
    Separator(),
    Popup(MenuId::DispMode, "M_DISP_MODE", "メニュー形式(&M)", kModeItems),
    Popup(MenuId::DispExpand, "M_DISP_EXPAND", "メニュー表示拡張(&K)", kExpandItems),
};

constexpr std::array kOptionItems{
    Item(MenuId::OptionDupCheck, "M_OPTION_DUPCHECK", "TORVA重複ﾁｪｯｸ(&C)"),  Separator(),
    Item(MenuId::OptionNoCheck, "M_OPTION_NOCHECK", "TORVA定義ﾁｪｯｸ(&N)"),    Separator(),
    Item(MenuId::OptionPath, "M_OPTION_PATH", "定義ﾊﾟｽｻﾌﾟﾚｽ(&P)"),           Separator(),
    Item(MenuId::OptionPageKey, "M_OPTION_PAGEKEY", "PAGEキー使用(&K)"),     Separator(),
    Item(MenuId::OptionNoCtrl, "M_OPTION_NOCTRL", "ｺﾝﾄﾛｰﾙBOX無効(&B)"),      Separator(),
    Item(MenuId::OptionTaskTray, "M_OPTION_TASKTRAY", "ﾀｽｸﾄﾚｲｱｲｺﾝ表示(&T)"), Separator(),
    Item(MenuId::OptionRCtrl, "M_OPTION_RCTRL", "ﾘﾓｰﾄｺﾝﾄﾛｰﾙ許可(&R)"),
};

constexpr std::array kHelpItems{
    Item(MenuId::HelpTopic, "M_HELP_TOPIC", "ﾄﾋﾟｯｸの検索(&H)"),
    Separator(),
    Item(MenuId::HelpVersion, "M_HELP_VARSION", "ﾊﾞｰｼﾞｮﾝ情報(&A)"),
};

constexpr std::array kBar{
    Popup(MenuId::File, "M_FILE", " ﾌｧｲﾙ(&F) ", kFileItems),
    Popup(MenuId::Edit, "M_EDIT", " 編集(&E) ", kEditItems),
    Popup(MenuId::Disp, "M_DISP", " 表示(&V) ", kDispItems),
    Popup(MenuId::Option, "M_OPTION", " ｵﾌﾟｼｮﾝ(&O)", kOptionItems),
    Popup(MenuId::Help, "M_HELP", " ﾍﾙﾌﾟ(&H) ", kHelpItems),
};

const MenuNode* FindIn(std::span<const MenuNode> nodes, MenuId id) {
    for (const MenuNode& node : nodes) {
        if (node.id == id && id != MenuId::None) return &node;
        if (const MenuNode* found = FindIn(node.children, id)) return found;
    }
    return nullptr;
}

}  // namespace

std::span<const MenuNode> MenuBar() {
    return kBar;
}

std::string_view TwinMenuCaption(MenuId topMenu) {
    switch (topMenu) {
        case MenuId::File:
            return "ﾌｧｲﾙ(&F)";
        case MenuId::Edit:
            return "編集(&E)";
        case MenuId::Disp:
            return "表示(&V)";
        case MenuId::Option:
            return "ｵﾌﾟｼｮﾝ(&O)";
        case MenuId::Help:
            return "ﾍﾙﾌﾟ(&H)";
        default:
            return {};
    }
}

std::string ItemCaption(const MenuNode& node, bool twin) {
    std::string caption(node.caption);
    if (twin && !node.accelerator.empty()) {
        caption.append(static_cast<std::size_t>(node.twinSpaces), ' ');
        caption += node.accelerator;
    }
    return caption;
}

std::optional<std::string_view> TopMenuCaption(MenuId topMenu, int displayMode) {
    if (displayMode == 7) return std::nullopt;
    if (displayMode == 2 || displayMode == 3 || displayMode == 6) return TwinMenuCaption(topMenu);
    const MenuNode* node = FindMenuNode(topMenu);
    if (node == nullptr) return std::nullopt;
    return node->caption;
}

const MenuNode* FindMenuNode(MenuId id) {
    return FindIn(kBar, id);
}

bool IsOptionItem(MenuId id) {
    return (id >= MenuId::OptionDupCheck && id <= MenuId::OptionRCtrl) ||
           (id >= MenuId::DispPosition && id <= MenuId::DispFunction);
}

namespace {

bool* Flag(MenuId id, definition::DefinitionOptions& o) {
    switch (id) {
        case MenuId::OptionDupCheck:
            return &o.dupCheck;
        case MenuId::OptionNoCheck:
            return &o.noCheck;
        case MenuId::OptionPath:
            return &o.pathSuppress;
        case MenuId::OptionPageKey:
            return &o.pageKey;
        case MenuId::OptionNoCtrl:
            return &o.noControlBox;
        case MenuId::OptionTaskTray:
            return &o.trayIcon;
        case MenuId::OptionRCtrl:
            return &o.remoteControl;
        case MenuId::DispPosition:
            return &o.positionSave;
        case MenuId::DispFrame:
            return &o.outerFrame;
        case MenuId::DispFunction:
            return &o.noFunctionKeys;
        default:
            return nullptr;
    }
}

}  // namespace

bool OptionChecked(MenuId id, const definition::DefinitionOptions& options) {
    auto copy = options;
    const bool* flag = Flag(id, copy);
    if (flag == nullptr) return false;
    return id == MenuId::OptionNoCheck ? !*flag : *flag;
}

void ToggleOptionItem(MenuId id, definition::DefinitionOptions& options) {
    if (bool* flag = Flag(id, options)) *flag = !*flag;
}

ItemState MenuItemState(MenuId id, const definition::MenuDefinition& def, const EditorWindowState& state) {
    ItemState s;
    if (const int mode = ModeOfItem(id); mode != 0) {
        s.checked = mode == def.displayMode;
        return s;
    }
    if (IsOptionItem(id)) {
        s.checked = OptionChecked(id, def.options);
        return s;
    }
    switch (id) {
        case MenuId::FileNew:
        case MenuId::FileOpen:
        case MenuId::FileConv:
            s.visible = !state.startedByRuntime;
            break;
        case MenuId::FileDummy3:
        case MenuId::FileReturn:
            s.visible = state.startedByRuntime;
            break;
        case MenuId::FileUpdate:
            s.enabled = state.titled();
            break;
        case MenuId::DispTop:
        case MenuId::DispBefore:
            s.enabled = state.currentPage > kFirstPage;
            break;
        case MenuId::DispNext:
        case MenuId::DispEnd:
            s.enabled = state.currentPage < kLastPage;
            break;
        default:
            break;
    }
    return s;
}

bool HiddenInContextMenu(MenuId id, ContextMenu menu) {
    switch (menu) {
        case ContextMenu::Element:
            return id == MenuId::EditTime || id == MenuId::EditStend || id == MenuId::EditVar ||
                   id == MenuId::EditDummy;
        case ContextMenu::Page:
            return id == MenuId::EditCut || id == MenuId::EditCopy || id == MenuId::EditPaste ||
                   id == MenuId::EditDel || id == MenuId::EditDummy;
        case ContextMenu::None:
            return false;
    }
    return false;
}

int CommandLocation(MenuId id) {
    if (ModeOfItem(id) != 0) return location::kDisplayMode;
    switch (id) {
        case MenuId::FileNew:
            return location::kNew;
        case MenuId::FileOpen:
            return location::kOpen;
        case MenuId::FileUpdate:
            return location::kSave;
        case MenuId::FileAdd:
            return location::kSaveAs;
        case MenuId::FileConv:
            return location::kConvert;
        case MenuId::FileText:
            return location::kTextOutput;
        case MenuId::FileExit:
            return location::kExit;
        case MenuId::FileReturn:
            return location::kReturnToRuntime;
        case MenuId::EditCut:
            return location::kCut;
        case MenuId::EditCopy:
            return location::kCopy;
        case MenuId::EditPaste:
            return location::kPaste;
        case MenuId::EditDel:
            return location::kDelete;
        case MenuId::EditVar:
            return location::kBarTitleDialog;
        case MenuId::EditStend:
            return location::kStartEndDialog;
        case MenuId::EditTime:
            return location::kTimedStartDialog;
        case MenuId::EditPstr:
            return location::kPageStartDialog;
        case MenuId::DispTop:
            return location::kFirstPage;
        case MenuId::DispBefore:
            return location::kPreviousPage;
        case MenuId::DispNext:
            return location::kNextPage;
        case MenuId::DispEnd:
            return location::kLastPage;
        case MenuId::DispPosition:
            return location::kPositionItem;
        case MenuId::DispFrame:
            return location::kFrameItem;
        case MenuId::DispFunction:
            return location::kFunctionKeyItem;
        case MenuId::HelpTopic:
            return location::kHelp;
        case MenuId::HelpVersion:
            return location::kVersion;
        default:
            break;
    }
    if (id >= MenuId::OptionDupCheck && id <= MenuId::OptionRCtrl) {
        return location::kFirstOptionItem + (static_cast<int>(id) - static_cast<int>(MenuId::OptionDupCheck));
    }
    return 0;
}

std::string WindowCaption(const std::string& currentPath) {
    std::string caption(kUntitledCaption);
    if (!currentPath.empty()) caption += " (" + currentPath + ")";
    return caption;
}

}  // namespace torva::editor
