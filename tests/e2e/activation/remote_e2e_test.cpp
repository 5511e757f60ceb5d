// The menu's mailslot: remote presses and text messages arriving from other computers, and the
// remote-press button sending to this machine.
#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "tests/e2e/harness/menu_session.h"

namespace torva::e2e {
namespace {

std::vector<std::string> RemoteMenu(const MenuSession& s) {
    return {"[VER8.05]",
            "[RCTL]",
            "[MODE1]",
            "[PAGE1]",
            "VARTITLE,\"Page one\",,0",
            ProbeButton(s, 1, "page1button1"),
            "CMD2,,OFF,\"Press\",,,,,,,,\"RCTL:. 3 12\",,,",
            "[PAGE3]",
            "VARTITLE,\"Page three\",,0",
            ProbeButton(s, 12, "page3button12")};
}

std::vector<std::string> ViewerCommandLines(const MenuSession& s) {
    std::vector<std::string> lines;
    for (const auto& r : s.ProbeRecords()) {
        const auto at = r.commandLine.find("Tvrmsg.exe ");
        if (at != std::string::npos) lines.push_back(r.commandLine.substr(at + 11));
    }
    return lines;
}

TEST(MailslotE2E, RemotePressActsOnItsPageWithoutChangingTheShownPage) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(RemoteMenu(s)));
    EXPECT_EQ(WindowText(s.Menu()), "Page one");
    // Outside the model or not digits: ignored, and the menu goes on.
    for (const char* bad : {"0325", "0012", "1200", "03x2", "031", "00312"})
        ASSERT_TRUE(WriteLocalMailslot(bad));
    ASSERT_TRUE(WriteLocalMailslot("0312"));
    EXPECT_TRUE(s.WaitForRecordWithArg("page3button12", Millis(20000)));
    EXPECT_EQ(s.RecordsWithArg("page3button12").size(), 1u);
    EXPECT_TRUE(s.RecordsWithArg("page1button1").empty());
    EXPECT_EQ(WindowText(s.Menu()), "Page one");
    EXPECT_TRUE(s.Program().IsRunning());
}

TEST(MailslotE2E, RemotePressButtonReachesThisMachinesMenu) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(RemoteMenu(s)));
    s.Click(2);  // "RCTL:. 3 12" writes "0312" to the local slot
    EXPECT_TRUE(s.WaitForRecordWithArg("page3button12"));
}

TEST(MailslotE2E, TextMessagesStartTheViewerOnePerPollInOrder) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(RemoteMenu(s)));
    ASSERT_TRUE(WriteLocalMailslot("9999PC02:会議は10:00:00から"));
    ASSERT_TRUE(WriteLocalMailslot("9999PC03:second"));
    // One message per poll of the slot: the viewers start one after the other, in arrival order.
    ASSERT_TRUE(WaitUntil([&] { return ViewerCommandLines(s).size() >= 2; }));
    EXPECT_EQ(ViewerCommandLines(s), (std::vector<std::string>{"PC02:会議は10:00:00から", "PC03:second"}));
}

TEST(MailslotE2E, RealViewerShowsTheWholeText) {
    if (!FileExists(ProgramPath("Tvrmsg.exe"))) GTEST_SKIP() << "the viewer is not built";
    SessionOptions options = ActivationOptions();
    options.realSiblings = true;
    MenuSession s(options);
    ASSERT_TRUE(s.Start(RemoteMenu(s)));
    ASSERT_TRUE(WriteLocalMailslot("9999PC02:a:b:c"));
    WindowQuery query;
    query.caption = "PC02  からﾒｯｾｰｼﾞを受信しました。";
    const auto viewer = WaitForWindow(query, Millis(15000));
    ASSERT_TRUE(viewer.has_value());
    bool textShown = false;
    for (const auto& c : ListControls(*viewer)) textShown = textShown || c.text == "a:b:c";
    EXPECT_TRUE(textShown);
    PostMessageW(*viewer, WM_CLOSE, 0, 0);
}

TEST(MailslotE2E, SecondMenuOnTheMachineRunsWithoutRemoteControl) {
    MenuSession first(ActivationOptions());
    ASSERT_TRUE(first.Start(RemoteMenu(first)));
    MenuSession second(ActivationOptions());
    // The second menu cannot take the name; it must come up all the same.
    ASSERT_TRUE(second.Start(RemoteMenu(second)));
    ASSERT_TRUE(WriteLocalMailslot("0312"));
    EXPECT_TRUE(first.WaitForRecordWithArg("page3button12"));
    ASSERT_TRUE(WaitUntilSettled(second.Menu()));
    EXPECT_TRUE(second.RecordsWithArg("page3button12").empty());
}

TEST(MailslotE2E, ClosedMenuStopsReceiving) {
    MenuSession s(ActivationOptions());
    ASSERT_TRUE(s.Start(RemoteMenu(s)));
    PostMessageW(s.Menu(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(s.Program().WaitForExit().has_value());
    EXPECT_FALSE(WriteLocalMailslot("0312"));
}

}  // namespace
}  // namespace torva::e2e
