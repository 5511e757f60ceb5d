#include "editor/editor_menu.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace torva::editor {
namespace {

TEST(EditorMenu, TwinsCarryTheirShortcutAfterTheirRunOfBlanks) {
    struct Case {
        MenuId id;
        const char* twin;
    };
    const Case cases[] = {
        {MenuId::FileNew, "新規ﾒﾆｭｰ(&N)                      Ctrl+N"},
        {MenuId::FileOpen, "ﾒﾆｭｰを開く(&O)                     Ctrl+O"},
        {MenuId::FileUpdate, "ﾒﾆｭｰの上書き保存(&S)           Ctrl+S"},
        {MenuId::FileAdd, "名前を付けてﾒﾆｭｰの保存(&A)  Ctrl+A"},
        {MenuId::EditCut, "切り取り(&T)                       Ctrl+X"},
        {MenuId::EditCopy, "コピー(&C)                         Ctrl+C"},
        {MenuId::EditPaste, "貼り付け(&P)                      Ctrl+V"},
        {MenuId::EditDel, "削除(&D)                           Del"},
        {MenuId::FileConv, "ﾒﾆｭｰの変換(&C)"},
    };
    for (const Case& c : cases) {
        const MenuNode* node = FindMenuNode(c.id);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(ItemCaption(*node, true), c.twin);
        EXPECT_EQ(ItemCaption(*node, false), node->caption);
    }
}

TEST(EditorMenu, BarHasTheFiveMenusWithTheirItemsInOrder) {
    const auto bar = MenuBar();
    ASSERT_EQ(bar.size(), 5u);
    EXPECT_EQ(bar[0].caption, " ﾌｧｲﾙ(&F) ");
    EXPECT_EQ(bar[3].caption, " ｵﾌﾟｼｮﾝ(&O)");
    std::vector<std::string_view> file;
    for (const MenuNode& n : bar[0].children)
        file.push_back(n.kind == MenuNodeKind::Separator ? "-" : n.name);
    EXPECT_EQ(file, (std::vector<std::string_view>{"M_FILE_NEW", "M_FILE_OPEN", "M_FILE_UPDATE", "M_FILE_ADD",
                                                   "-", "M_FILE_CONV", "M_FILE_TEXT", "-", "M_FILE_EXIT", "-",
                                                   "M_FILE_RETURN"}));
    // Options: a separator after every item but the last.
    const auto options = bar[3].children;
    ASSERT_EQ(options.size(), 13u);
    for (std::size_t i = 0; i < options.size(); ++i) {
        EXPECT_EQ(options[i].kind == MenuNodeKind::Separator, i % 2 == 1) << i;
    }
    // Every item has its own identifier.
    std::set<int> ids;
    std::size_t named = 0;
    auto walk = [&](auto&& self, std::span<const MenuNode> nodes) -> void {
        for (const MenuNode& n : nodes) {
            if (n.id != MenuId::None) {
                ids.insert(static_cast<int>(n.id));
                ++named;
            }
            self(self, n.children);
        }
    };
    walk(walk, bar);
    EXPECT_EQ(ids.size(), named);
    EXPECT_EQ(FindMenuNode(ModeItem(9))->caption, "モード &9 拡張");
}

TEST(EditorMenu, TopCaptionsLoseTheirBlanksInTheNarrowModes) {
    EXPECT_EQ(TopMenuCaption(MenuId::File, 1), " ﾌｧｲﾙ(&F) ");
    EXPECT_EQ(TopMenuCaption(MenuId::Help, 9), " ﾍﾙﾌﾟ(&H) ");
    for (const int mode : {2, 3, 6}) {
        EXPECT_EQ(TopMenuCaption(MenuId::File, mode), "ﾌｧｲﾙ(&F)");
        EXPECT_EQ(TopMenuCaption(MenuId::Option, mode), "ｵﾌﾟｼｮﾝ(&O)");
    }
    EXPECT_EQ(TopMenuCaption(MenuId::Edit, 7), std::nullopt);
}

TEST(EditorMenu, TwinCommandsActAsTheirItems) {
    EXPECT_EQ(ItemOfCommand(TwinId(MenuId::EditPaste)), MenuId::EditPaste);
    EXPECT_EQ(ItemOfCommand(static_cast<int>(MenuId::EditPaste)), MenuId::EditPaste);
    EXPECT_EQ(ModeOfItem(ItemOfCommand(TwinId(ModeItem(7)))), 7);
    EXPECT_EQ(ModeOfItem(MenuId::DispExpand), 0);
}

TEST(EditorMenu, ContextMenusHideTheirItems) {
    for (const MenuId id : {MenuId::EditTime, MenuId::EditStend, MenuId::EditVar, MenuId::EditDummy}) {
        EXPECT_TRUE(HiddenInContextMenu(id, ContextMenu::Element));
    }
    for (const MenuId id : {MenuId::EditCut, MenuId::EditCopy, MenuId::EditPaste, MenuId::EditDel,
                            MenuId::EditPstr, MenuId::EditDummy2}) {
        EXPECT_FALSE(HiddenInContextMenu(id, ContextMenu::Element));
    }
    for (const MenuId id :
         {MenuId::EditCut, MenuId::EditCopy, MenuId::EditPaste, MenuId::EditDel, MenuId::EditDummy}) {
        EXPECT_TRUE(HiddenInContextMenu(id, ContextMenu::Page));
    }
    for (const MenuId id : {MenuId::EditVar, MenuId::EditPstr, MenuId::EditStend, MenuId::EditTime}) {
        EXPECT_FALSE(HiddenInContextMenu(id, ContextMenu::Page));
        EXPECT_FALSE(HiddenInContextMenu(id, ContextMenu::None));
    }
}

TEST(EditorMenu, ChecksFollowTheModel) {
    auto def = std::make_unique<definition::MenuDefinition>();
    EditorWindowState state;
    def->displayMode = 5;
    for (int mode = 1; mode <= 9; ++mode) {
        EXPECT_EQ(MenuItemState(ModeItem(mode), *def, state).checked, mode == 5);
    }
    EXPECT_TRUE(MenuItemState(MenuId::OptionNoCheck, *def, state).checked);
    def->options.noCheck = true;
    def->options.outerFrame = true;
    EXPECT_FALSE(MenuItemState(MenuId::OptionNoCheck, *def, state).checked);
    EXPECT_TRUE(MenuItemState(MenuId::DispFrame, *def, state).checked);
    EXPECT_FALSE(MenuItemState(MenuId::DispPosition, *def, state).checked);
    EXPECT_FALSE(MenuItemState(MenuId::EditCut, *def, state).checked);
}

}  // namespace
}  // namespace torva::editor

namespace torva::editor {
namespace {

TEST(EditorMenu, CommandsReportTheirOwnLocation) {
    EXPECT_EQ(CommandLocation(MenuId::FileNew), 700);
    EXPECT_EQ(CommandLocation(MenuId::FileReturn), 707);
    EXPECT_EQ(CommandLocation(MenuId::EditDel), 713);
    EXPECT_EQ(CommandLocation(MenuId::EditPstr), 717);
    EXPECT_EQ(CommandLocation(MenuId::DispEnd), 723);
    EXPECT_EQ(CommandLocation(ModeItem(3)), 724);
    EXPECT_EQ(CommandLocation(MenuId::DispFunction), 727);
    EXPECT_EQ(CommandLocation(MenuId::OptionDupCheck), 730);
    EXPECT_EQ(CommandLocation(MenuId::OptionTaskTray), 735);
    EXPECT_EQ(CommandLocation(MenuId::OptionRCtrl), 736);
    EXPECT_EQ(CommandLocation(MenuId::HelpVersion), 741);
    EXPECT_EQ(CommandLocation(MenuId::FileDummy3), 0);
}

}  // namespace
}  // namespace torva::editor
