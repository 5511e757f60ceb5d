// The File menu: the save question in front of every command that discards the definition and what
// each answer does, the file dialogs' titles and folders, and writing back what was read.

#include <gtest/gtest.h>

#include "common/path.h"
#include "editor/editor_menu.h"
#include "session_fixture.h"

namespace torva::editor {
namespace {

using testing::SessionTest;

class SaveQuestion : public SessionTest {
  protected:
    void StartDirty(const char* commandLine) {
        session.Start(commandLine);
        session.Focus(1);
        session.Command(MenuId::EditDel);
        ASSERT_TRUE(session.state().dirty);
        host.log.clear();
    }
};

TEST_F(SaveQuestion, ACleanWindowClosesWithoutAsking) {
    session.Start("C:\\MENU\\M.TVX");
    host.log.clear();
    EXPECT_TRUE(session.RequestClose());
    EXPECT_TRUE(host.log.empty());
}

TEST_F(SaveQuestion, YesOnATitledDefinitionWritesItsFileAndCloses) {
    StartDirty("C:\\MENU\\M.TVX");
    host.answers = {SaveAnswer::Yes};
    EXPECT_TRUE(session.RequestClose());
    EXPECT_EQ(host.log, (std::vector<std::string>{"ask", "progress 書込中...", "progress end"}));
    EXPECT_NE(FileText("C:\\MENU\\M.TVX").find("[PAGE1]\r\nTITLE1"), std::string::npos);
    EXPECT_EQ(FileText("C:\\MENU\\M.TVX").find("\"Editor\""), std::string::npos);
}

TEST_F(SaveQuestion, NoClosesWithoutWriting) {
    StartDirty("C:\\MENU\\M.TVX");
    host.answers = {SaveAnswer::No};
    EXPECT_TRUE(session.RequestClose());
    EXPECT_EQ(FileText("C:\\MENU\\M.TVX"), testing::kMenuText);
}

TEST_F(SaveQuestion, CancelKeepsTheWindowAndTheChanges) {
    StartDirty("C:\\MENU\\M.TVX");
    host.answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(session.RequestClose());
    EXPECT_TRUE(session.state().dirty);
    EXPECT_EQ(host.log, std::vector<std::string>{"ask"});
}

TEST_F(SaveQuestion, YesOnAnUntitledDefinitionAsksForANameAndWritesThere) {
    StartDirty("");
    host.answers = {SaveAnswer::Yes};
    host.choices = {std::string("D:\\OUT\\NEW.TVX")};
    EXPECT_TRUE(session.RequestClose());
    EXPECT_TRUE(host.Logged("dialog 名前を付けてﾒﾆｭｰを保存 in C:\\TORVA"));
    EXPECT_TRUE(files.Has("D:\\OUT\\NEW.TVX"));
    EXPECT_EQ(session.state().currentPath, "D:\\OUT\\NEW.TVX");
}

TEST_F(SaveQuestion, DirtyUntitledYesAndSaveAsCancelledStillCloses) {
    StartDirty("");
    host.answers = {SaveAnswer::Yes};
    host.choices = {std::nullopt};
    const std::size_t before = files.Count();
    EXPECT_TRUE(session.RequestClose());
    EXPECT_EQ(files.Count(), before);
}

TEST_F(SaveQuestion, OtherCommandsStopWhenTheNameIsNotGiven) {
    StartDirty("");
    def->Page(1).Button(2).caption = "kept";
    host.answers = {SaveAnswer::Yes};
    host.choices = {std::nullopt};
    session.Command(MenuId::FileNew);
    EXPECT_EQ(def->Page(1).Button(2).caption, "kept");
    EXPECT_TRUE(session.state().dirty);
}

TEST_F(SaveQuestion, AFailedSaveNeverLetsTheChangesGo) {
    StartDirty("C:\\MENU\\M.TVX");
    files.failWrite = true;
    host.answers = {SaveAnswer::Yes};
    EXPECT_FALSE(session.RequestClose());
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("ErrorNo = 992 : "), std::string::npos) << host.errors[0];
    EXPECT_TRUE(session.state().dirty);
    EXPECT_EQ(FileText("C:\\MENU\\M.TVX"), testing::kMenuText);
    files.failWrite = false;
    EXPECT_TRUE(session.Save());
    EXPECT_FALSE(session.state().dirty);
}

TEST_F(SaveQuestion, EveryDiscardingCommandAsksFirst) {
    struct Case {
        MenuId command;
        std::size_t dialogs;  // file dialogs opened after "No"
    };
    for (const Case c : {Case{MenuId::FileNew, 0}, Case{MenuId::FileOpen, 1}, Case{MenuId::FileConv, 1}}) {
        StartDirty("C:\\MENU\\M.TVX");
        host.answers = {SaveAnswer::Cancel};
        session.Command(c.command);
        EXPECT_EQ(host.log, std::vector<std::string>{"ask"}) << static_cast<int>(c.command);
        EXPECT_TRUE(session.state().dirty);
        host.log.clear();
        host.answers = {SaveAnswer::No};
        for (std::size_t i = 0; i < c.dialogs; ++i) host.choices.push_back(std::nullopt);
        session.Command(c.command);
        EXPECT_EQ(host.log.front(), "ask");
        EXPECT_EQ(host.log.size(), 1 + c.dialogs);
        EXPECT_TRUE(host.choices.empty());
    }
}

TEST_F(SaveQuestion, NewKeepsModeOptionsAndPageButEmptiesTheRest) {
    session.Start("C:\\MENU\\M.TVX");
    session.Command(ModeItem(9));
    session.Command(MenuId::OptionTaskTray);
    session.Command(MenuId::DispNext);
    def->commonBackground = true;
    host.answers = {SaveAnswer::No};
    session.Command(MenuId::FileNew);
    EXPECT_EQ(def->displayMode, 9);
    EXPECT_TRUE(def->options.trayIcon);
    EXPECT_TRUE(def->options.dupCheck);
    EXPECT_TRUE(def->commonBackground);
    EXPECT_EQ(session.state().currentPage, 2);
    EXPECT_EQ(session.state().currentPath, "");
    EXPECT_TRUE(def->comments.empty());
    EXPECT_EQ(def->Page(1).Button(1).caption, "");
    EXPECT_FALSE(session.state().dirty);
    EXPECT_FALSE(MenuItemState(MenuId::FileUpdate, *def, session.state()).enabled);
}

TEST_F(SaveQuestion, OpenReadsTheChosenFileAndRemembersItsFolder) {
    session.Start("");
    host.choices = {std::string("C:\\MENU\\M.TVX")};
    session.Command(MenuId::FileOpen);
    EXPECT_EQ(host.log.front(), "dialog メニューを開く in C:\\TORVA");
    EXPECT_EQ(session.state().currentPath, "C:\\MENU\\M.TVX");
    EXPECT_EQ(session.state().menuFileFolder, "C:\\MENU");
    EXPECT_EQ(def->Page(1).Button(12).caption, "Quit");
    EXPECT_EQ(files.CurrentFolder(), "C:\\TORVA");
    EXPECT_TRUE(session.TakeViewUpdate().layout);
    // A cancelled dialog changes nothing.
    host.choices = {std::nullopt};
    session.Command(MenuId::FileOpen);
    EXPECT_EQ(session.state().currentPath, "C:\\MENU\\M.TVX");
}

TEST_F(SaveQuestion, UntouchedDefinitionIsWrittenBackByteForByte) {
    session.Start("C:\\MENU\\M.TVX");
    const std::string original = files.Content("C:\\MENU\\M.TVX");
    host.choices = {std::string("D:\\OUT\\COPY.TVX")};
    session.Command(MenuId::FileAdd);
    EXPECT_EQ(files.Content("D:\\OUT\\COPY.TVX"), original);
    EXPECT_EQ(session.state().currentPath, "D:\\OUT\\COPY.TVX");
    EXPECT_EQ(session.state().menuFileFolder, "D:\\OUT");
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(files.Content("D:\\OUT\\COPY.TVX"), original);
}

TEST_F(SaveQuestion, ConvertWithoutADestinationChangesNothing) {
    session.Start("C:\\MENU\\M.TVX");
    files.AddFile("C:\\MENU\\OLD.TVX", Utf8ToCp932("[VER5.00]\r\n[PAGE1]\r\nCMD2,,OFF,\"y\",,END,\r\n"));
    host.choices = {std::string("C:\\MENU\\OLD.TVX"), std::nullopt};
    host.log.clear();
    session.Command(MenuId::FileConv);
    EXPECT_EQ(host.log, (std::vector<std::string>{"dialog 変換元メニューファイル in C:\\MENU",
                                                  "dialog 変換先メニューファイル in C:\\MENU"}));
    EXPECT_EQ(session.state().currentPath, "C:\\MENU\\M.TVX");
    EXPECT_EQ(def->Page(1).Button(1).caption, "Editor");
}

TEST_F(SaveQuestion, ConvertWritesTheNewFileAndOpensIt) {
    session.Start("");
    files.AddFile("C:\\MENU\\OLD.TVX", Utf8ToCp932("[VER5.00]\r\n[PAGE1]\r\nCMD2,,OFF,\"y\",,END,\r\n"));
    host.choices = {std::string("C:\\MENU\\OLD.TVX"), std::string("D:\\OUT\\NEW.TVX")};
    session.Command(MenuId::FileConv);
    EXPECT_TRUE(host.Logged("progress 変換中..."));
    EXPECT_EQ(session.state().currentPath, "D:\\OUT\\NEW.TVX");
    EXPECT_FALSE(session.state().dirty);
    EXPECT_NE(FileText("D:\\OUT\\NEW.TVX").find("CMD2,,OFF,\"y\""), std::string::npos);
}

TEST_F(SaveQuestion, ConvertingAFileThatIsNotOldReportsAndWritesNothing) {
    session.Start("");
    host.choices = {std::string("C:\\MENU\\M.TVX"), std::string("D:\\OUT\\NEW.TVX")};
    session.Command(MenuId::FileConv);
    ASSERT_FALSE(host.errors.empty());
    EXPECT_NE(host.errors[0].find("変換対象旧バージョンのメニュー定義ではありません。"), std::string::npos);
    EXPECT_FALSE(files.Has("D:\\OUT\\NEW.TVX"));
    EXPECT_EQ(session.state().currentPath, "");
}

TEST_F(SaveQuestion, TextOutputWritesTheListingAndLeavesTheDefinitionAlone) {
    StartDirty("C:\\MENU\\M.TVX");
    host.choices = {std::string("D:\\OUT\\LIST.TXT")};
    session.Command(MenuId::FileText);
    EXPECT_EQ(host.log.front(), "dialog テキスト出力 in C:\\MENU");
    EXPECT_TRUE(host.Logged("progress 出力中..."));
    EXPECT_TRUE(files.Has("D:\\OUT\\LIST.TXT"));
    EXPECT_EQ(session.state().textFileFolder, "D:\\OUT");
    EXPECT_EQ(session.state().menuFileFolder, "C:\\MENU");
    EXPECT_TRUE(session.state().dirty);
}

TEST_F(SaveQuestion, ReturnToTheRuntimeSavesAndStartsItWithTheQuotedPath) {
    StartDirty("\"C:\\MENU\\M.TVX|TORVA\"");
    host.answers = {SaveAnswer::Yes};
    EXPECT_EQ(session.Command(MenuId::FileReturn), WindowRequest::Close);
    EXPECT_EQ(host.log.back(), "start C:\\TORVA\\TORVA.EXE \"C:\\MENU\\M.TVX\"");
    EXPECT_EQ(FileText("C:\\MENU\\M.TVX").find("\"Editor\""), std::string::npos);
    EXPECT_FALSE(session.state().dirty);
}

TEST_F(SaveQuestion, ReturnIsOnlyThereWhenTheRuntimeStartedTheEditor) {
    session.Start("C:\\MENU\\M.TVX");
    host.log.clear();
    EXPECT_EQ(session.Command(MenuId::FileReturn), WindowRequest::None);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(SaveQuestion, ExitClosesThroughTheSameQuestion) {
    StartDirty("C:\\MENU\\M.TVX");
    host.answers = {SaveAnswer::Cancel};
    EXPECT_EQ(session.Command(MenuId::FileExit), WindowRequest::None);
    host.answers = {SaveAnswer::No};
    EXPECT_EQ(session.Command(MenuId::FileExit), WindowRequest::Close);
}

}  // namespace
}  // namespace torva::editor
