// Tvsetup.exe end to end: the caption and the menus after a start with a file (captions, checks,
// greyed items, the single menu of the vertical bar and its twins), page keys, and starts by the
// runtime.

#include <gtest/gtest.h>

#include <algorithm>

#include "tvsetup_session.h"

namespace torva::e2e {
namespace {

const std::vector<std::string> kMenu = {
    "[VER8.05]",        "[DCHK]",           "[MODE1]", "[PAGE1]", "TITLE1,\"Main\",,,,,",
    SlotLine(1, "One"), SlotLine(2, "Two"),
};

std::optional<MenuLine> Find(const std::vector<MenuLine>& lines, int id) {
    for (const MenuLine& line : lines) {
        if (line.id == id && !line.Separator()) return line;
    }
    return std::nullopt;
}

TEST(TvsetupMenus, CaptionAndMenusAfterAStartWithAFile) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    EXPECT_EQ(s.Caption(), std::string(kUntitled) + " (" + s.DefinitionPath() + ")");
    const auto lines = s.Menus().Dump();
    ASSERT_FALSE(lines.empty());
    std::vector<std::string> bar;
    for (const MenuLine& line : lines) {
        if (line.depth == 0) bar.push_back(line.caption);
    }
    EXPECT_EQ(bar, (std::vector<std::string>{" ﾌｧｲﾙ(&F) ", " 編集(&E) ", " 表示(&V) ", " ｵﾌﾟｼｮﾝ(&O)",
                                             " ﾍﾙﾌﾟ(&H) "}));
    ASSERT_TRUE(Find(lines, cmd::kNew));
    EXPECT_EQ(Find(lines, cmd::kNew)->caption, "新規ﾒﾆｭｰ(&N)\tCtrl+N");
    EXPECT_EQ(Find(lines, cmd::kDelete)->caption, "削除(&D)\tDel");
    EXPECT_EQ(Find(lines, cmd::kExit)->caption, "TORVAｾｯﾄｱｯﾌﾟの終了(&X)");
    EXPECT_FALSE(Find(lines, cmd::kReturn)) << "return is only there for the runtime";
    EXPECT_FALSE(Find(lines, cmd::kSave)->Greyed());
    EXPECT_TRUE(Find(lines, cmd::kTop)->Greyed());
    EXPECT_TRUE(Find(lines, cmd::kBefore)->Greyed());
    EXPECT_FALSE(Find(lines, cmd::kNext)->Greyed());
    EXPECT_TRUE(Find(lines, cmd::Mode(1))->Checked());
    EXPECT_FALSE(Find(lines, cmd::Mode(9))->Checked());
    EXPECT_TRUE(Find(lines, 401)->Checked()) << "[DCHK]";
    EXPECT_TRUE(Find(lines, cmd::kNoCheck)->Checked()) << "no [NCHK]";
    EXPECT_FALSE(Find(lines, cmd::kTaskTray)->Checked());
    EXPECT_EQ(Find(lines, cmd::Mode(7))->caption, "モード &7 縦ﾊﾞｰ");
}

TEST(TvsetupMenus, TheVerticalBarHasOneMenuWhoseTwinsFollowEveryChange) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    s.Command(cmd::Mode(7));
    auto lines = s.Menus().Dump();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].depth, 0);
    EXPECT_EQ(lines[0].caption, "ﾒﾆｭｰ(&M)");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const MenuLine& l) { return l.depth == 0; }), 1);
    EXPECT_FALSE(Find(lines, cmd::kNew)) << "the five menus are gone";
    const int twin = cmd::kTwin;
    ASSERT_TRUE(Find(lines, twin + cmd::kNew));
    EXPECT_EQ(Find(lines, twin + cmd::kNew)->caption, "新規ﾒﾆｭｰ(&N)                      Ctrl+N");
    EXPECT_EQ(Find(lines, twin + cmd::kDelete)->caption, "削除(&D)                           Del");
    EXPECT_TRUE(Find(lines, twin + cmd::Mode(7))->Checked());
    EXPECT_FALSE(Find(lines, twin + cmd::Mode(1))->Checked());
    EXPECT_TRUE(Find(lines, twin + cmd::kTop)->Greyed());
    // A twin acts as its item and its state changes with it.
    s.Command(twin + cmd::kNext);
    EXPECT_EQ(s.PageNumber(), "2");
    s.Command(twin + cmd::kTaskTray);
    lines = s.Menus().Dump();
    EXPECT_FALSE(Find(lines, twin + cmd::kTop)->Greyed());
    EXPECT_TRUE(Find(lines, twin + cmd::kTaskTray)->Checked());
    // The vertical bar has no minimise box.
    EXPECT_EQ(WindowStyle(s.Window()) & WS_MINIMIZEBOX, 0);
    s.Command(twin + cmd::Mode(2));
    lines = s.Menus().Dump();
    std::vector<std::string> bar;
    for (const MenuLine& line : lines) {
        if (line.depth == 0) bar.push_back(line.caption);
    }
    EXPECT_EQ(bar, (std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"}));
    EXPECT_TRUE(Find(lines, cmd::kTaskTray)->Checked());
    EXPECT_TRUE(Find(lines, cmd::Mode(2))->Checked());
    EXPECT_NE(WindowStyle(s.Window()) & WS_MINIMIZEBOX, 0);
}

TEST(TvsetupMenus, PageKeysMoveBetweenOneAndNinetyNine) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    EXPECT_EQ(s.PageNumber(), "1");
    s.Key(VK_HOME);
    s.Key(VK_PRIOR);
    EXPECT_EQ(s.PageNumber(), "1");
    s.Key(VK_NEXT);
    EXPECT_EQ(s.PageNumber(), "2");
    EXPECT_EQ(s.Menus().Greyed(cmd::kTop), false);
    s.Key(VK_END);
    EXPECT_EQ(s.PageNumber(), "99");
    EXPECT_EQ(s.Menus().Greyed(cmd::kEnd), true);
    EXPECT_EQ(s.Menus().Greyed(cmd::kNext), true);
    s.Key(VK_NEXT);
    EXPECT_EQ(s.PageNumber(), "99");
    s.Key(VK_PRIOR);
    EXPECT_EQ(s.PageNumber(), "98");
    s.Key(VK_HOME);
    EXPECT_EQ(s.PageNumber(), "1");
    // Page moves change nothing to save.
    PostSysCommand(s.Window(), SC_CLOSE);
    EXPECT_TRUE(s.Program().WaitForExit(Millis(10000)));
}

TEST(TvsetupMenus, ArrowKeysMoveTheSelectionOverSlotsAndTitles) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    EXPECT_EQ(s.Selected(), 91);
    s.Key(VK_DOWN);
    EXPECT_EQ(s.Selected(), 92);
    s.Key(VK_DOWN);
    EXPECT_EQ(s.Selected(), 1);
    s.Key(VK_RIGHT);
    EXPECT_EQ(s.Selected(), 7);
    s.Key(VK_UP);
    EXPECT_EQ(s.Selected(), 6);
    s.Key(VK_LEFT);
    s.Key(VK_LEFT);
    EXPECT_EQ(s.Selected(), 6) << "no slot left of the first column";
}

TEST(TvsetupMenus, EnterOpensTheButtonDialogOverTheDisabledWindowAndCancelGivesItBack) {
    TvsetupSession s;
    ASSERT_TRUE(s.StartOn(kMenu));
    s.Key(VK_DOWN);
    s.Key(VK_DOWN);
    ASSERT_EQ(s.Selected(), 1);
    s.Key(VK_RETURN);
    const auto dialog =
        WaitForWindow(WindowQuery().OfProcess(s.Program().Id()).OfClass("#32770"), Millis(15000));
    ASSERT_TRUE(dialog);
    EXPECT_FALSE(IsWindowEnabled(s.Window()));
    PostMessageW(*dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(s.Window()) && !IsWindow(*dialog); }));
    // Cancel changed nothing: the window closes without asking.
    PostSysCommand(s.Window(), SC_CLOSE);
    EXPECT_TRUE(s.Program().WaitForExit(Millis(10000)));
    EXPECT_TRUE(FindMessageBoxes(s.Program().Id()).empty());
}

TEST(TvsetupMenus, TheRuntimesMarkerOffersTheWayBackAndReturnStartsTheRuntime) {
    TvsetupSession s;
    ASSERT_TRUE(s.WriteDefinition(kMenu));
    ASSERT_TRUE(s.Start("\"" + s.DefinitionPath() + "|TORVA\""));
    EXPECT_EQ(s.Caption(), std::string(kUntitled) + " (" + s.DefinitionPath() + ")");
    const auto lines = s.Menus().Dump();
    EXPECT_FALSE(Find(lines, cmd::kNew));
    EXPECT_FALSE(Find(lines, cmd::kOpen));
    EXPECT_FALSE(Find(lines, cmd::kConvert));
    ASSERT_TRUE(Find(lines, cmd::kReturn));
    EXPECT_EQ(Find(lines, cmd::kReturn)->caption, "TORVAへ復帰(&R)");
    // The opener registers the file types a moment after the first page is on screen, without
    // waiting for another start or the end, and only once.
    auto registrations = [&] { return RecordsWithArg(s.ProbeRecords(), "<LinkTVX>").size(); };
    ASSERT_TRUE(WaitUntil([&] { return registrations() > 0; }));
    PostCommand(s.Window(), cmd::kReturn);
    ASSERT_TRUE(s.Program().WaitForExit(Millis(15000)));
    ASSERT_TRUE(WaitUntil([&] {
        for (const auto& r : s.ProbeRecords()) {
            if (r.commandLine.find("TORVA.EXE") != std::string::npos) return true;
        }
        return false;
    }));
    for (const auto& r : s.ProbeRecords()) {
        if (r.commandLine.find("TORVA.EXE") == std::string::npos) continue;
        EXPECT_EQ(r.commandLine, s.Folder().File("TORVA.EXE") + " \"" + s.DefinitionPath() + "\"");
        ASSERT_EQ(r.args.size(), 1u);
        EXPECT_EQ(r.args[0], s.DefinitionPath());
    }
    EXPECT_EQ(registrations(), 1u);
}

}  // namespace
}  // namespace torva::e2e
