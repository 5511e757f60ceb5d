// The harness checked against the probe program and against windows and message boxes that this
// test shows on a thread of its own.
#include "tests/e2e/harness/harness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/probe/probe_log.h"

namespace torva::e2e {
namespace {

std::vector<probe::ProbeRecord> ProbeRecords(const std::string& log) {
    const auto text = ReadBytes(log);
    return text ? probe::ParseProbeLog(*text) : std::vector<probe::ProbeRecord>{};
}

TEST(HarnessProcess, PassesArgumentsFolderAndEnvironmentAndReturnsExitCode) {
    TempFolder folder("harness");
    ASSERT_FALSE(folder.Path().empty());
    const std::string log = folder.File("probe.log");
    StartOptions options;
    options.arguments = "--exit 7 \"a b\" 日本語";
    options.workFolder = folder.Path();
    options.environment = {{"TORVA_PROBE_LOG", log}, {"TORVA_E2E_MARK", "x=1"}, {"TORVA_E2E_GONE", ""}};
    Process p = Process::Start(ProgramPath("TvProbe.exe"), options);
    ASSERT_TRUE(p.Valid()) << p.StartError();
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(7));
    const auto records = ProbeRecords(log);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].pid, p.Id());
    EXPECT_EQ(records[0].args, (std::vector<std::string>{"--exit", "7", "a b", "日本語"}));
    EXPECT_EQ(records[0].workFolder, folder.Path());
    EXPECT_EQ(records[0].env.at("TORVA_E2E_MARK"), "x=1");
    EXPECT_EQ(records[0].env.count("TORVA_E2E_GONE"), 0u);
}

TEST(HarnessProcess, StartFailureIsReportedNotThrown) {
    Process p = Process::Start(ProgramPath("NoSuchProgram.exe"));
    EXPECT_FALSE(p.Valid());
    EXPECT_NE(p.StartError(), 0u);
    EXPECT_FALSE(p.WaitForExit(Millis{10}).has_value());
}

TEST(HarnessProcess, DestructorEndsAProgramLeftRunning) {
    DWORD id = 0;
    {
        Process p = Process::Start(ProgramPath("TvProbe.exe"), StartOptions().Args("--sleep 60000"));
        ASSERT_TRUE(p.Valid());
        id = p.Id();
        EXPECT_TRUE(p.IsRunning());
        EXPECT_FALSE(p.WaitForExit(Millis{100}).has_value()) << "a bounded wait returns while it runs";
    }
    win32::UniqueKernelHandle h(OpenProcess(SYNCHRONIZE, FALSE, id));
    if (h) {
        EXPECT_EQ(WaitForSingleObject(h.get(), 5000), WAIT_OBJECT_0);
    }
}

TEST(HarnessProcess, ReplacingAProcessEndsTheOldOne) {
    Process p = Process::Start(ProgramPath("TvProbe.exe"), StartOptions().Args("--sleep 60000"));
    ASSERT_TRUE(p.Valid());
    win32::UniqueKernelHandle first(OpenProcess(SYNCHRONIZE, FALSE, p.Id()));
    ASSERT_TRUE(first);
    p = Process::Start(ProgramPath("TvProbe.exe"), StartOptions().Args("--exit 3"));
    EXPECT_EQ(WaitForSingleObject(first.get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(3));
}

TEST(HarnessWindows, FindsAProgramsWindowByProcessAndCaption) {
    const std::string title = "Harness probe 日本";
    Process p =
        Process::Start(ProgramPath("TvProbe.exe"), StartOptions().Args("--exit 5 --title \"" + title + "\""));
    ASSERT_TRUE(p.Valid());
    const auto byProcess = WaitForWindow(WindowQuery().OfProcess(p.Id()));
    ASSERT_TRUE(byProcess.has_value());
    EXPECT_EQ(WindowText(*byProcess), title);
    EXPECT_EQ(WindowProcessId(*byProcess), p.Id());
    EXPECT_EQ(WaitForWindow(WindowQuery().WithCaptionPrefix("Harness probe")), byProcess);
    EXPECT_FALSE(
        WaitForWindow(WindowQuery().OfProcess(p.Id()).WithCaption("Harness probe"), Millis{200}).has_value())
        << "an exact caption does not match a longer one";
    PostMessageW(*byProcess, WM_CLOSE, 0, 0);
    EXPECT_EQ(p.WaitForExit(), std::optional<DWORD>(5));
    EXPECT_TRUE(WaitForNoWindow(WindowQuery().OfProcess(p.Id()), Millis{1000}));
}

// A window with one button, run on its own thread so the test thread can drive it as it would
// drive another program.
class LocalWindow {
  public:
    static constexpr int kButtonId = 1234;
    static constexpr COLORREF kFill = RGB(10, 200, 30);
    std::atomic<int> clicks{0};
    std::atomic<int> keys{0};
    std::atomic<int> chars{0};
    std::atomic<int> mouseDowns{0};
    std::atomic<HWND> hwnd{nullptr};

    LocalWindow() {
        thread_ = std::thread([this] { Run(); });
        WaitUntil([&] { return hwnd.load() != nullptr; });
    }
    ~LocalWindow() {
        if (hwnd) PostMessageW(hwnd, WM_CLOSE, 0, 0);
        thread_.join();
    }

  private:
    std::thread thread_;

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<LocalWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
        switch (msg) {
            case WM_NCCREATE:
                SetWindowLongPtrW(
                    h, GWLP_USERDATA,
                    reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
                break;
            case WM_COMMAND:
                if (LOWORD(wp) == kButtonId) ++self->clicks;
                return 0;
            case WM_KEYDOWN:
                ++self->keys;
                return 0;
            case WM_CHAR:
                ++self->chars;
                return 0;
            case WM_LBUTTONDOWN:
                ++self->mouseDowns;
                return 0;
            case WM_ERASEBKGND: {
                RECT r;
                GetClientRect(h, &r);
                HBRUSH b = CreateSolidBrush(kFill);
                FillRect(reinterpret_cast<HDC>(wp), &r, b);
                DeleteObject(b);
                return 1;
            }
            case WM_DESTROY:
                PostQuitMessage(0);
                return 0;
        }
        return DefWindowProcW(h, msg, wp, lp);
    }

    void Run() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TorvaHarnessLocal";
        RegisterClassW(&wc);
        HWND h = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Local", WS_POPUP | WS_VISIBLE, 100, 120,
                                 200, 150, nullptr, nullptr, wc.hInstance, this);
        CreateWindowExW(0, L"BUTTON", L"押す", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 20, 80, 25, h,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)), wc.hInstance, nullptr);
        UpdateWindow(h);
        hwnd = h;
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        hwnd = nullptr;
    }
};

TEST(HarnessWindows, ListsControlsWithPositionsAndDrivesThem) {
    LocalWindow local;
    ASSERT_NE(local.hwnd.load(), nullptr);
    EXPECT_TRUE(IsTopmost(local.hwnd));
    const auto button = FindControlById(local.hwnd, LocalWindow::kButtonId);
    ASSERT_TRUE(button.has_value());
    EXPECT_EQ(button->className, "Button");
    EXPECT_EQ(button->text, "押す");
    EXPECT_TRUE(button->visible);
    EXPECT_TRUE(button->enabled);
    EXPECT_EQ(button->inParent.left, 10);
    EXPECT_EQ(button->inParent.top, 20);
    EXPECT_EQ(Width(button->inParent), 80);
    EXPECT_EQ(Height(button->inParent), 25);
    const RECT client = ClientRectOnScreen(local.hwnd);
    EXPECT_EQ(button->screen.left, client.left + 10);
    EXPECT_EQ(FindControl(local.hwnd, "button", std::string("押す"))->hwnd, button->hwnd);
    EXPECT_FALSE(FindControl(local.hwnd, "button", std::string("違う")).has_value());

    ClickButton(button->hwnd);
    EXPECT_TRUE(WaitUntil([&] { return local.clicks == 1; }));
    PostKey(local.hwnd, VK_F3);
    EXPECT_TRUE(WaitUntil([&] { return local.keys == 1; }));
    PostText(local.hwnd, "aé日");
    EXPECT_TRUE(WaitUntil([&] { return local.chars == 3; }));
    ClickAt(local.hwnd, POINT{150, 100});
    EXPECT_TRUE(WaitUntil([&] { return local.mouseDowns == 1; }));
    PostCommand(local.hwnd, LocalWindow::kButtonId);
    EXPECT_TRUE(WaitUntil([&] { return local.clicks == 2; }));
    PostSysCommand(local.hwnd, SC_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return local.hwnd.load() == nullptr; }))
        << "closed through the system command";
}

TEST(HarnessCapture, CapturesWhatTheWindowShowsAndSavesIt) {
    LocalWindow local;
    ASSERT_NE(local.hwnd.load(), nullptr);
    RedrawWindow(local.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const uint32_t fill = Capture::FromColorRef(LocalWindow::kFill);
    Capture image;
    // The X server shows the drawing a moment after the window painted it.
    WaitUntil([&] {
        image = CaptureWindow(local.hwnd, true);
        return image.Count(fill) > 0;
    });
    ASSERT_EQ(image.Width(), 200);
    ASSERT_EQ(image.Height(), 150);
    EXPECT_EQ(image.At(150, 100), fill);
    EXPECT_NE(image.At(30, 30), fill) << "the button covers its own area";
    EXPECT_GT(image.Count(fill), 200u * 150u - 80u * 25u - 400u);
    EXPECT_EQ(image.At(-1, 0), 0u);

    TempFolder folder("capture");
    const std::string bmp = folder.File("shot.bmp");
    ASSERT_TRUE(image.SaveBmp(bmp));
    const auto bytes = ReadBytes(bmp);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->substr(0, 2), "BM");
    EXPECT_EQ(bytes->size(), 14u + 40u + 200u * 150u * 4u);
}

TEST(HarnessCapture, PrintWindowCapturesWithoutTheScreen) {
    LocalWindow local;
    ASSERT_NE(local.hwnd.load(), nullptr);
    const Capture image = CaptureWindow(local.hwnd, true, CaptureSource::PrintWindow);
    ASSERT_EQ(image.Width(), 200);
    EXPECT_EQ(image.At(150, 100), Capture::FromColorRef(LocalWindow::kFill));
}

TEST(HarnessInput, SendInputReachesTheForegroundWindow) {
    LocalWindow local;
    ASSERT_NE(local.hwnd.load(), nullptr);
    ASSERT_TRUE(BringToForeground(local.hwnd));
    ASSERT_TRUE(SendText("ab"));
    EXPECT_TRUE(WaitUntil([&] { return local.chars == 2; })) << local.chars;
    ASSERT_TRUE(SendKeyChord({VK_SHIFT, VK_F3}));
    EXPECT_TRUE(WaitUntil([&] { return local.keys >= 2; })) << "Shift and F3 pressed";
    ASSERT_TRUE(SendClickAt(local.hwnd, POINT{150, 100}));
    EXPECT_TRUE(WaitUntil([&] { return local.mouseDowns == 1; }));
}

struct BoxCase {
    UINT style;
    MessageBoxIcon icon;
    std::vector<int> buttons;
    int answer;
};

class HarnessMessageBox : public testing::TestWithParam<BoxCase> {};

TEST_P(HarnessMessageBox, ReadsTitleTextIconAndButtonsAndAnswers) {
    const BoxCase& c = GetParam();
    std::atomic<int> result{-1};
    std::thread shower(
        [&] { result = MessageBoxW(nullptr, L"一行目\r\r二行目 ErrorNo = 4 : 0", L"TORVA", c.style); });
    const auto box = WaitForMessageBox(GetCurrentProcessId());
    if (!box) {
        shower.detach();  // nothing to answer; the process ends with the test run
        FAIL() << "no message box appeared";
    }
    EXPECT_EQ(box->title, "TORVA");
    EXPECT_EQ(box->text, "一行目\r\r二行目 ErrorNo = 4 : 0");
    EXPECT_EQ(box->icon, c.icon) << IconName(box->icon);
    EXPECT_EQ(box->buttons, c.buttons);
    EXPECT_FALSE(AnswerMessageBox(box->hwnd, 4242));
    EXPECT_TRUE(AnswerMessageBox(box->hwnd, c.answer));
    shower.join();
    EXPECT_EQ(result, c.answer);
    EXPECT_TRUE(FindMessageBoxes(GetCurrentProcessId()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HarnessMessageBox,
    testing::Values(BoxCase{MB_OK | MB_ICONERROR, MessageBoxIcon::Error, {IDOK}, IDOK},
                    BoxCase{MB_YESNO | MB_ICONQUESTION, MessageBoxIcon::Question, {IDYES, IDNO}, IDNO},
                    BoxCase{
                        MB_OKCANCEL | MB_ICONWARNING, MessageBoxIcon::Warning, {IDOK, IDCANCEL}, IDCANCEL},
                    BoxCase{MB_OK | MB_ICONINFORMATION, MessageBoxIcon::Information, {IDOK}, IDOK},
                    BoxCase{MB_YESNOCANCEL, MessageBoxIcon::None, {IDYES, IDNO, IDCANCEL}, IDYES}));

}  // namespace
}  // namespace torva::e2e
