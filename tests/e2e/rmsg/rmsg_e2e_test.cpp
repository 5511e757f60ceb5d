// Tvrmsg.exe driven for real: caption, text, topmost window, geometry, closing and its error box.
#include <gtest/gtest.h>

#include "platform/win32/twips.h"
#include "rmsg/layout.h"
#include "tests/e2e/harness/harness.h"

namespace torva::e2e {
namespace {

constexpr int kIdFrame1 = 101;
constexpr int kIdMsg = 102;
constexpr char kCaptionSuffix[] = "  からﾒｯｾｰｼﾞを受信しました。";

struct Viewer {
    Process process;
    HWND window = nullptr;

    explicit Viewer(const std::string& arguments) {
        process = Process::Start(ProgramPath("Tvrmsg.exe"), StartOptions().Args(arguments));
        if (!process.Valid()) return;
        if (const auto w = WaitForWindow(WindowQuery().OfProcess(process.Id()).OfClass("TVRMSGFM")))
            window = *w;
    }
    ControlInfo Control(int id) const {
        const auto c = FindControlById(window, id);
        return c ? *c : ControlInfo{};
    }
};

void ExpectRect(const RECT& actual, const rmsg::TwipsRect& twips, const char* what) {
    const auto px = rmsg::ToPixels(twips, win32::ScreenDpiY());
    EXPECT_EQ(actual.left, px.left) << what;
    EXPECT_EQ(actual.top, px.top) << what;
    EXPECT_EQ(Width(actual), px.width) << what;
    EXPECT_EQ(Height(actual), px.height) << what;
}

TEST(Tvrmsg, ShowsSenderAndWholeTextInATopmostCentredWindow) {
    Viewer v("PC-KAIGI:会議は 13:30 から: 第2会議室です");
    ASSERT_NE(v.window, nullptr);
    EXPECT_EQ(WindowText(v.window), std::string("PC-KAIGI") + kCaptionSuffix);
    EXPECT_EQ(v.Control(kIdMsg).text, "会議は 13:30 から: 第2会議室です");
    EXPECT_TRUE(IsTopmost(v.window));

    const RECT client = ClientRectOnScreen(v.window);
    EXPECT_EQ(Width(client), rmsg::TwipsToPixels(rmsg::kClientWidth, win32::ScreenDpiY()));
    EXPECT_EQ(Height(client), rmsg::TwipsToPixels(rmsg::kClientHeight, win32::ScreenDpiY()));
    ExpectRect(v.Control(kIdFrame1).inParent, rmsg::kFrame1, "Frame1");
    ExpectRect(v.Control(kIdMsg).inParent, rmsg::MsgInClient(), "MSG");
    const ControlInfo ok = v.Control(IDOK);
    ExpectRect(ok.inParent, rmsg::kOk, "OK");
    EXPECT_EQ(ok.text, "ＯＫ");
    EXPECT_EQ(ok.className, "Button");
    EXPECT_TRUE(ok.visible && ok.enabled);

    const RECT outer = WindowRectOnScreen(v.window);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE(std::abs((outer.left + outer.right) - screenW), 1) << "centred across";
    EXPECT_LE(std::abs((outer.top + outer.bottom) - screenH), 1) << "centred down";

    ClickButton(ok.hwnd);
    EXPECT_EQ(v.process.WaitForExit(), std::optional<DWORD>(0));
}

struct TextCase {
    const char* arguments;
    const char* sender;
    const char* text;
};

class TvrmsgText : public testing::TestWithParam<TextCase> {};

TEST_P(TvrmsgText, ShowsTheTextAfterTheFirstColon) {
    Viewer v(GetParam().arguments);
    ASSERT_NE(v.window, nullptr);
    EXPECT_EQ(WindowText(v.window), std::string(GetParam().sender) + kCaptionSuffix);
    EXPECT_EQ(v.Control(kIdMsg).text, GetParam().text);
    PostMessageW(v.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(v.process.WaitForExit(), std::optional<DWORD>(0));
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TvrmsgText,
    testing::Values(TextCase{"\"PC01:quoted \"inner\" text\"", "PC01", "quoted \"inner\" text"},
                    TextCase{"PC01:", "PC01", ""}, TextCase{"PC01:A&B 100%", "PC01", "A&B 100%"},
                    TextCase{":no sender", "", "no sender"}));

// The runtime writes the viewer's path unquoted, also when the program folder holds blanks.
TEST(Tvrmsg, UnquotedPathWithBlanksKeepsTheSender) {
    TempFolder folder("tv rmsg");
    const std::string viewer = folder.File("Tvrmsg.exe");
    ASSERT_TRUE(CopyFileTo(ProgramPath("Tvrmsg.exe"), viewer));
    Process p = Process::Start(viewer, StartOptions().Args("PC01:hello there").UnquotedProgram());
    ASSERT_TRUE(p.Valid());
    const auto window = WaitForWindow(WindowQuery().OfProcess(p.Id()).OfClass("TVRMSGFM"));
    ASSERT_TRUE(window.has_value());
    EXPECT_EQ(WindowText(*window), std::string("PC01") + kCaptionSuffix);
    EXPECT_EQ(FindControlById(*window, kIdMsg)->text, "hello there");
    PostMessageW(*window, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(0));
}

TEST(Tvrmsg, EnterClosesLikeOk) {
    Viewer v("PC01:enter");
    ASSERT_NE(v.window, nullptr);
    PostKey(v.Control(IDOK).hwnd, VK_RETURN);
    EXPECT_EQ(v.process.WaitForExit(), std::optional<DWORD>(0));
}

// Rows of the MSG label that hold ink: a long text must wrap onto several lines inside the label.
TEST(Tvrmsg, LongTextWrapsWithinTheLabel) {
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += "本日十七時よりサーバーの保守作業を行います。作業中は接続できません。";
    Viewer v("PC01:" + text);
    ASSERT_NE(v.window, nullptr);
    const ControlInfo msg = v.Control(kIdMsg);
    Capture image;
    int inkRows = 0, lastInkRow = -1;
    WaitUntil([&] {
        image = CaptureWindow(msg.hwnd);
        const uint32_t background = image.At(image.Width() - 1, image.Height() - 1);
        inkRows = 0;
        for (int y = 0; y < image.Height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.Width() && !ink; ++x) ink = image.At(x, y) != background;
            if (ink) {
                ++inkRows;
                lastInkRow = y;
            }
        }
        return inkRows > 0;
    });
    ASSERT_FALSE(image.Empty());
    EXPECT_GT(lastInkRow, 35) << "text continues below the third line";
    EXPECT_GT(inkRows, 30);
    PostMessageW(v.window, WM_CLOSE, 0, 0);
    EXPECT_EQ(v.process.WaitForExit(), std::optional<DWORD>(0));
}

TEST(Tvrmsg, SeveralViewersRunSideBySide) {
    Viewer a("PC-A:one");
    Viewer b("PC-B:two");
    ASSERT_NE(a.window, nullptr);
    ASSERT_NE(b.window, nullptr);
    EXPECT_NE(a.process.Id(), b.process.Id());
    ClickButton(b.Control(IDOK).hwnd);
    EXPECT_EQ(b.process.WaitForExit(), std::optional<DWORD>(0));
    EXPECT_TRUE(a.process.IsRunning());
    ClickButton(a.Control(IDOK).hwnd);
    EXPECT_EQ(a.process.WaitForExit(), std::optional<DWORD>(0));
}

class TvrmsgFailure : public testing::TestWithParam<const char*> {};

TEST_P(TvrmsgFailure, ShowsTheViewersErrorBox) {
    Process p = Process::Start(ProgramPath("Tvrmsg.exe"), StartOptions().Args(GetParam()));
    ASSERT_TRUE(p.Valid());
    const auto box = WaitForMessageBox(p.Id());
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->title, "TVRMSG");
    EXPECT_EQ(box->text, "リモートメッセージの表示に失敗しました。\r\rErrorNo = 999 : 5");
    EXPECT_EQ(box->icon, MessageBoxIcon::Error);
    EXPECT_TRUE(FindTopLevelWindows(WindowQuery().OfProcess(p.Id()).OfClass("TVRMSGFM")).empty());
    ASSERT_TRUE(AnswerMessageBox(box->hwnd, IDOK));
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(1));
}

INSTANTIATE_TEST_SUITE_P(Cases, TvrmsgFailure, testing::Values("no colon here", "", "\"PC01\""));

}  // namespace
}  // namespace torva::e2e
