// An exception thrown in a handler of a window, a dialog or an owner-handled control reaches the
// program's report with the handler's location code, and never crosses the window procedure.
#include <gtest/gtest.h>
#include <windows.h>

#include <new>
#include <stdexcept>

#include "common/run_error.h"
#include "tests/win32/ui/recording_report.h"
#include "ui/win32/dialog.h"
#include "ui/win32/window.h"

namespace torva::test {
namespace {

constexpr UINT kThrowRunError = WM_APP + 1;
constexpr UINT kThrowBadAlloc = WM_APP + 2;
constexpr UINT kThrowOther = WM_APP + 3;
constexpr UINT kAnswer = WM_APP + 4;
constexpr int kControlId = 300;

class FailingWindow : public ui::win32::Window {
  public:
    explicit FailingWindow(RecordingReport& report) : Window(report), report_(report) {}
    bool Open() {
        if (!Create({L"TorvaTestFailing"}, 0, L"failing", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100)) return false;
        RegisterControlClass(L"TorvaTestControl");
        control =
            CreateWindowExW(0, L"TorvaTestControl", L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), nullptr, nullptr);
        return control != nullptr;
    }
    HWND control = nullptr;
    int destroyed = 0;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case kThrowRunError: {
                ErrorLocation here(report_.state, 941);
                throw RunError(kErrOverflow, "16-bit field");
            }
            case kThrowBadAlloc: {
                ErrorLocation here(report_.state, 986);
                throw std::bad_alloc();
            }
            case kThrowOther: {
                ErrorLocation here(report_.state, 809);
                throw 17;  // not even an exception
            }
            case kAnswer:
                return 42;
            default:
                return Default(message, wParam, lParam);
        }
    }
    LRESULT OnControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kThrowRunError) {
            ErrorLocation here(report_.state, 943);
            throw RunError(kErrSubscript, "button index");
        }
        if (message == kAnswer) return 7;
        return Window::OnControlMessage(control, message, wParam, lParam);
    }
    void OnDestroyed() override { ++destroyed; }

  private:
    RecordingReport& report_;
};

TEST(GuardedWindow, AFailingHandlerReachesTheReportWithItsLocation) {
    RecordingReport report;
    FailingWindow window(report);
    ASSERT_TRUE(window.Open());

    EXPECT_EQ(SendMessageW(window.Handle(), kThrowRunError, 0, 0), 0);
    EXPECT_EQ(SendMessageW(window.Handle(), kThrowBadAlloc, 0, 0), 0);
    EXPECT_EQ(SendMessageW(window.Handle(), kThrowOther, 0, 0), 0);
    ASSERT_EQ(report.texts.size(), 3u);
    EXPECT_EQ(report.texts[0], GenericReport(941, kErrOverflow));
    EXPECT_EQ(report.texts[1], GenericReport(986, kErrOutOfMemory));
    EXPECT_EQ(report.texts[2], GenericReport(809, kErrInvalidCall));

    // The window goes on answering: nothing was unwound through Windows.
    EXPECT_EQ(SendMessageW(window.Handle(), kAnswer, 0, 0), 42);
    EXPECT_EQ(ui::win32::Window::FromHandle(window.Handle()), &window);
}

TEST(GuardedWindow, AFailingControlHandlerReachesTheParentsReport) {
    RecordingReport report;
    FailingWindow window(report);
    ASSERT_TRUE(window.Open());
    EXPECT_EQ(SendMessageW(window.control, kAnswer, 0, 0), 7) << "the parent handles the control";
    EXPECT_EQ(SendMessageW(window.control, kThrowRunError, 0, 0), 0);
    ASSERT_EQ(report.texts.size(), 1u);
    EXPECT_EQ(report.texts[0], GenericReport(943, kErrSubscript));
}

TEST(GuardedWindow, PostedFailuresAreReportedFromTheLoopToo) {
    RecordingReport report;
    FailingWindow window(report);
    ASSERT_TRUE(window.Open());
    PostMessageW(window.Handle(), kThrowRunError, 0, 0);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    ASSERT_EQ(report.texts.size(), 1u);
    EXPECT_EQ(report.texts[0], GenericReport(941, kErrOverflow));
}

TEST(GuardedWindow, DestroyingUnbindsTheObject) {
    RecordingReport report;
    FailingWindow window(report);
    ASSERT_TRUE(window.Open());
    HWND hwnd = window.Handle();
    DestroyWindow(hwnd);
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(window.destroyed, 1);
    EXPECT_EQ(ui::win32::Window::FromHandle(hwnd), nullptr);
    EXPECT_TRUE(report.texts.empty());
}

TEST(GuardedWindow, ForeignWindowsAreNotMistakenForOurs) {
    HWND plain =
        CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(plain, nullptr);
    SetWindowLongPtrW(plain, GWLP_USERDATA, 0x1234);
    EXPECT_EQ(ui::win32::Window::FromHandle(plain), nullptr);
    DestroyWindow(plain);
}

// A dialog whose handlers fail where asked.
class FailingDialog : public ui::win32::Dialog {
  public:
    enum class FailIn { Nothing, Init, Command };
    FailingDialog(RecordingReport& report, FailIn where) : Dialog(report), report_(report), where_(where) {}
    int closed = 0;

  protected:
    void OnInit() override {
        ErrorLocation here(report_.state, 951);
        if (where_ == FailIn::Init) throw std::out_of_range("password");
        Controls().Add(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, {60, 60, 1200, 375});
    }
    void OnCommand(int id, int notification) override {
        ErrorLocation here(report_.state, 953);
        if (id == IDOK && where_ == FailIn::Command) throw RunError(kErrTypeMismatch);
        if (id == IDOK) End(IDOK);
        Dialog::OnCommand(id, notification);
    }
    void OnClosed() override { ++closed; }

  private:
    RecordingReport& report_;
    FailIn where_;
};

TEST(GuardedDialog, AModalDialogWhoseInitFailsEndsAndReports) {
    RecordingReport report;
    FailingDialog dialog(report, FailingDialog::FailIn::Init);
    // Without the guard the failure would unwind through the dialog manager; without ending, the
    // modal loop would never return.
    EXPECT_EQ(dialog.RunModal(nullptr, L"failing", 3000, 1000), ui::win32::Dialog::kFailedResult);
    ASSERT_EQ(report.texts.size(), 1u);
    EXPECT_EQ(report.texts[0], GenericReport(951, kErrInvalidCall));
    EXPECT_FALSE(dialog.IsOpen());
}

TEST(GuardedDialog, AModelessDialogsFailingCommandIsReportedAndTheDialogStays) {
    RecordingReport report;
    FailingDialog dialog(report, FailingDialog::FailIn::Command);
    ASSERT_TRUE(dialog.ShowModeless(nullptr, L"failing", 3000, 1000));
    SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_EQ(report.texts.size(), 1u);
    EXPECT_EQ(report.texts[0], GenericReport(953, kErrTypeMismatch));
    EXPECT_TRUE(dialog.IsOpen());
    // Esc and the caption's close end a modeless dialog; its owner hears of it once.
    SendMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(dialog.IsOpen());
    EXPECT_EQ(dialog.closed, 1);
}

}  // namespace
}  // namespace torva::test
