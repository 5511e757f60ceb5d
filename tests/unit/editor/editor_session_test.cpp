// The main window's logic: start-up, page moves and their greyed items, selection, the edit commands
// through the editor's clipboards, display modes and which commands change the definition.

#include <gtest/gtest.h>

#include "editor/editor_menu.h"
#include "session_fixture.h"

namespace torva::editor {
namespace {

using testing::SessionTest;

bool Enabled(const EditorSession& s, MenuId id) {
    return MenuItemState(id, s.model(), s.state()).enabled;
}
bool Visible(const EditorSession& s, MenuId id) {
    return MenuItemState(id, s.model(), s.state()).visible;
}

TEST_F(SessionTest, StartWithoutFileIsUntitledOnPageOneWithTheMainTitleSelected) {
    session.Start("");
    EXPECT_EQ(session.state().currentPath, "");
    EXPECT_EQ(session.state().currentPage, 1);
    EXPECT_EQ(session.state().focusIndex, kMainTitle);
    EXPECT_FALSE(session.state().dirty);
    EXPECT_FALSE(Enabled(session, MenuId::FileUpdate));
    EXPECT_FALSE(Enabled(session, MenuId::DispTop));
    EXPECT_FALSE(Enabled(session, MenuId::DispBefore));
    EXPECT_TRUE(Enabled(session, MenuId::DispNext));
    EXPECT_TRUE(MenuItemState(MenuId::OptionNoCheck, session.model(), session.state()).checked);
    EXPECT_TRUE(MenuItemState(ModeItem(1), session.model(), session.state()).checked);
    EXPECT_TRUE(Visible(session, MenuId::FileNew));
    EXPECT_FALSE(Visible(session, MenuId::FileReturn));
    EXPECT_EQ(WindowCaption(session.state().currentPath), "ＴＯＲＶＡ command definition create tool");
    EXPECT_TRUE(session.TakeViewUpdate().layout);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(SessionTest, StartFromTheRuntimeOpensTheFileAndOffersTheWayBack) {
    session.Start("\"C:\\MENU\\M.TVX|TORVA\"");
    const EditorWindowState& s = session.state();
    EXPECT_EQ(s.currentPath, "C:\\MENU\\M.TVX");
    EXPECT_TRUE(s.startedByRuntime);
    EXPECT_FALSE(s.dirty);
    EXPECT_EQ(def->Page(1).Button(1).caption, "Editor");
    EXPECT_TRUE(def->options.dupCheck);
    for (const MenuId hidden : {MenuId::FileNew, MenuId::FileOpen, MenuId::FileConv}) {
        EXPECT_FALSE(Visible(session, hidden));
    }
    EXPECT_TRUE(Visible(session, MenuId::FileDummy3));
    EXPECT_TRUE(Visible(session, MenuId::FileReturn));
    EXPECT_TRUE(Enabled(session, MenuId::FileUpdate));
    EXPECT_EQ(WindowCaption(s.currentPath), "ＴＯＲＶＡ command definition create tool (C:\\MENU\\M.TVX)");
    for (const std::string* folder :
         {&s.menuFileFolder, &s.textFileFolder, &s.programPickFolder, &s.picturePickFolder}) {
        EXPECT_EQ(*folder, "C:\\MENU");
    }
    EXPECT_EQ(host.log, (std::vector<std::string>{"progress 読込中...", "progress end"}));
    // Hidden commands cannot be reached through their accelerators either.
    session.Command(MenuId::FileNew);
    EXPECT_EQ(def->Page(1).Button(1).caption, "Editor");
}

TEST_F(SessionTest, ABareNameIsReadFromTheProgramFolder) {
    session.Start("TORVA.TVX");
    EXPECT_EQ(session.state().currentPath, "C:\\TORVA\\TORVA.TVX");
    EXPECT_EQ(def->Page(2).Button(1).caption, "Back");
    EXPECT_FALSE(session.state().startedByRuntime);
}

TEST_F(SessionTest, AMissingFileIsReportedAndTheEditorGoesOnUntitled) {
    session.Start("C:\\MENU\\NONE.TVX");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("ErrorNo = "), std::string::npos);
    EXPECT_EQ(session.state().currentPath, "");
    EXPECT_FALSE(Enabled(session, MenuId::FileUpdate));
}

TEST_F(SessionTest, AFileThatStopsReadingLeavesTheEditorUntitled) {
    files.AddFile("C:\\MENU\\OLD.TVX", Utf8ToCp932("[VER5.00]\r\n[PAGE1]\r\nCMD2,,OFF,\"y\",,END,\r\n"));
    session.Start("C:\\MENU\\OLD.TVX");
    ASSERT_FALSE(host.errors.empty());
    EXPECT_NE(host.errors[0].find("変換対象旧バージョンのメニュー定義です。"), std::string::npos);
    EXPECT_EQ(session.state().currentPath, "");
    EXPECT_TRUE(def->comments.empty());
}

TEST_F(SessionTest, PagesMoveWithinOneToNinetyNineAndGreyTheirItems) {
    session.Start("C:\\MENU\\M.TVX");
    session.TakeViewUpdate();
    EXPECT_EQ(session.Key(EditorKey::Home), WindowRequest::None);
    EXPECT_EQ(session.Key(EditorKey::PageUp), WindowRequest::None);
    EXPECT_EQ(session.state().currentPage, 1);
    EXPECT_FALSE(session.TakeViewUpdate().render);
    session.Key(EditorKey::PageDown);
    EXPECT_EQ(session.state().currentPage, 2);
    EXPECT_TRUE(session.TakeViewUpdate().render);
    EXPECT_TRUE(Enabled(session, MenuId::DispTop));
    session.Key(EditorKey::End);
    EXPECT_EQ(session.state().currentPage, 99);
    EXPECT_FALSE(Enabled(session, MenuId::DispNext));
    EXPECT_FALSE(Enabled(session, MenuId::DispEnd));
    session.Key(EditorKey::PageDown);
    session.Command(MenuId::DispNext);
    EXPECT_EQ(session.state().currentPage, 99);
    session.Command(ItemOfCommand(TwinId(MenuId::DispBefore)));
    EXPECT_EQ(session.state().currentPage, 98);
    session.Key(EditorKey::Home);
    EXPECT_EQ(session.state().currentPage, 1);
    EXPECT_FALSE(session.state().dirty);
}

TEST_F(SessionTest, ArrowKeysMoveTheSelectionAndEnterOpensTheDialog) {
    session.Start("");
    EXPECT_EQ(session.state().focusIndex, kMainTitle);
    session.Key(EditorKey::Up);
    EXPECT_EQ(session.state().focusIndex, 12);
    EXPECT_EQ(session.Key(EditorKey::Enter), WindowRequest::ButtonDialog);
    session.Key(EditorKey::Down);
    EXPECT_EQ(session.state().focusIndex, kMainTitle);
    session.Key(EditorKey::Down);
    EXPECT_EQ(session.Key(EditorKey::Enter), WindowRequest::TitleDialog);
    session.Key(EditorKey::Down);
    EXPECT_EQ(session.state().focusIndex, 1);
}

TEST_F(SessionTest, CopyOnPageOnePasteOnPageTwoThenSaveWritesTheCopy) {
    session.Start("C:\\MENU\\M.TVX");
    session.Focus(1);
    session.Command(MenuId::EditCopy);
    EXPECT_FALSE(session.state().dirty);
    session.Command(MenuId::DispNext);
    session.Focus(5);
    session.Command(MenuId::EditPaste);
    EXPECT_TRUE(session.state().dirty);
    EXPECT_EQ(def->Page(2).Button(5), def->Page(1).Button(1));
    EXPECT_TRUE(session.Save());
    EXPECT_FALSE(session.state().dirty);
    EXPECT_NE(FileText("C:\\MENU\\M.TVX")
                  .find("[PAGE2]\r\nCMD1,,OFF,\"Back\",,,,,,,,PAGE1,,,\r\n"
                        "CMD5,,ON,\"Editor\",ＭＳ 明朝,Regular,10,,,,,"),
              std::string::npos)
        << FileText("C:\\MENU\\M.TVX");
}

TEST_F(SessionTest, DeletingTheLastContentOfAPageDropsThePageFromTheFile) {
    session.Start("C:\\MENU\\M.TVX");
    session.Command(MenuId::DispNext);
    session.Focus(1);
    session.Command(MenuId::EditCut);
    EXPECT_FALSE(def->Page(2).defined);
    session.Save();
    EXPECT_EQ(FileText("C:\\MENU\\M.TVX").find("[PAGE2]"), std::string::npos);
    // The cut button can still be pasted elsewhere.
    session.Command(MenuId::DispNext);
    session.Focus(3);
    session.Command(MenuId::EditPaste);
    EXPECT_EQ(def->Page(3).Button(3).caption, "Back");
    EXPECT_TRUE(def->Page(3).defined);
}

struct DirtyCase {
    const char* name;
    void (*run)(EditorSession&);
    bool dirty;
};

class DirtyTracking : public SessionTest, public ::testing::WithParamInterface<DirtyCase> {};

TEST_P(DirtyTracking, OnlyChangesOfTheDefinitionMakeItDirty) {
    session.Start("C:\\MENU\\M.TVX");
    session.Focus(1);
    GetParam().run(session);
    EXPECT_EQ(session.state().dirty, GetParam().dirty) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DirtyTracking,
    ::testing::Values(
        DirtyCase{"copy", [](EditorSession& s) { s.Command(MenuId::EditCopy); }, false},
        DirtyCase{"paste", [](EditorSession& s) { s.Command(MenuId::EditPaste); }, true},
        DirtyCase{"cut", [](EditorSession& s) { s.Command(MenuId::EditCut); }, true},
        DirtyCase{"delete", [](EditorSession& s) { s.Command(MenuId::EditDel); }, true},
        DirtyCase{"same mode", [](EditorSession& s) { s.Command(ModeItem(1)); }, false},
        DirtyCase{"other mode", [](EditorSession& s) { s.Command(ModeItem(5)); }, true},
        DirtyCase{"twin of a mode", [](EditorSession& s) { s.Command(ItemOfCommand(TwinId(ModeItem(9)))); },
                  true},
        DirtyCase{"option", [](EditorSession& s) { s.Command(MenuId::OptionTaskTray); }, true},
        DirtyCase{"position", [](EditorSession& s) { s.Command(MenuId::DispPosition); }, true},
        DirtyCase{"frame", [](EditorSession& s) { s.Command(MenuId::DispFrame); }, true},
        DirtyCase{"pages",
                  [](EditorSession& s) {
                      s.Command(MenuId::DispEnd);
                      s.Command(MenuId::DispTop);
                  },
                  false},
        DirtyCase{"selection", [](EditorSession& s) { s.Key(EditorKey::Right); }, false},
        DirtyCase{"dialog cancelled", [](EditorSession& s) { s.DialogClosed(false, false); }, false},
        DirtyCase{"dialog OK", [](EditorSession& s) { s.DialogClosed(true, true); }, true},
        DirtyCase{"drop", [](EditorSession& s) { s.SlotFilledByDrop(4); }, true},
        DirtyCase{"paste then save",
                  [](EditorSession& s) {
                      s.Command(MenuId::EditPaste);
                      s.Command(MenuId::FileUpdate);
                  },
                  false}));

TEST_F(SessionTest, OptionItemsAreTheDefinitionsOptionFlags) {
    session.Start("");
    session.Command(MenuId::OptionNoCheck);
    EXPECT_TRUE(def->options.noCheck);
    EXPECT_FALSE(MenuItemState(MenuId::OptionNoCheck, *def, session.state()).checked);
    session.Command(ItemOfCommand(TwinId(MenuId::OptionRCtrl)));
    EXPECT_TRUE(def->options.remoteControl);
    EXPECT_TRUE(MenuItemState(MenuId::OptionRCtrl, *def, session.state()).checked);
    session.TakeViewUpdate();
    session.Command(MenuId::DispFunction);
    EXPECT_TRUE(def->options.noFunctionKeys);
    EXPECT_TRUE(session.TakeViewUpdate().render);
    session.Command(MenuId::OptionPageKey);
    EXPECT_FALSE(session.TakeViewUpdate().render);
}

TEST_F(SessionTest, ModeChangesKeepTheSelectionOnAVisibleElement) {
    session.Start("");
    session.Command(ModeItem(9));
    EXPECT_EQ(def->buttonsPerPage, 24);
    EXPECT_TRUE(session.TakeViewUpdate().layout);
    session.Focus(20);
    EXPECT_EQ(session.state().focusIndex, 20);
    session.Command(ModeItem(1));
    EXPECT_EQ(session.state().focusIndex, 1);
    session.Focus(kSubTitle);
    session.Command(ModeItem(7));
    EXPECT_EQ(session.state().focusIndex, 1);
    // Hidden slots cannot take the selection.
    session.Focus(13);
    EXPECT_EQ(session.state().focusIndex, 1);
}

TEST_F(SessionTest, ContentOnlyInTheExtendedSlotsIsSavedInModeNine) {
    session.Start("C:\\MENU\\M.TVX");
    session.Command(ModeItem(9));
    session.Command(MenuId::DispEnd);
    session.Focus(1);
    session.Command(MenuId::EditCopy);
    session.Command(MenuId::DispTop);
    session.Focus(1);
    session.Command(MenuId::EditCopy);
    session.Command(MenuId::DispEnd);
    session.Focus(18);
    session.Command(MenuId::EditPaste);
    EXPECT_TRUE(def->Page(99).defined);
    ASSERT_TRUE(session.Save());
    EXPECT_NE(FileText("C:\\MENU\\M.TVX").find("[PAGE99]\r\nCMD18,"), std::string::npos);
}

TEST_F(SessionTest, ADialogsChangesAreDrawnAndCountedWhenTheWindowIsActiveAgain) {
    session.Start("");
    session.TakeViewUpdate();
    def->Page(1).PageStart(1).program = "C:\\WINDOWS\\NOTEPAD.EXE";
    session.DialogClosed(true, true);
    EXPECT_FALSE(session.TakeViewUpdate().render);
    session.Activated();
    EXPECT_TRUE(session.TakeViewUpdate().render);
    EXPECT_TRUE(def->Page(1).defined);
    session.Activated();
    EXPECT_FALSE(session.TakeViewUpdate().render);
}

TEST_F(SessionTest, DefinitionDialogsAreRequestedNotOpenedHere) {
    session.Start("");
    EXPECT_EQ(session.Command(MenuId::EditVar), WindowRequest::BarTitleDialog);
    EXPECT_EQ(session.Command(MenuId::EditPstr), WindowRequest::PageStartDialog);
    EXPECT_EQ(session.Command(MenuId::EditStend), WindowRequest::StartEndDialog);
    EXPECT_EQ(session.Command(MenuId::EditTime), WindowRequest::TimedStartDialog);
    EXPECT_EQ(session.Command(MenuId::HelpTopic), WindowRequest::Help);
    EXPECT_EQ(session.Command(MenuId::HelpVersion), WindowRequest::VersionBox);
    EXPECT_FALSE(session.state().dirty);
}

}  // namespace
}  // namespace torva::editor
