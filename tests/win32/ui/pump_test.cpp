// The one pump: WM_QUIT ends the main loop with its code and is never swallowed by a pump that only
// dispatches what is pending; windows that ask for dialog keys get them, others do not.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/ui/recording_report.h"
#include "ui/win32/dialog.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/window.h"

namespace torva::test {
namespace {

void DrainQueue() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(MessagePump, QuitEndsTheLoopWithItsCode) {
    DrainQueue();
    PostQuitMessage(7);
    EXPECT_EQ(ui::win32::RunMessageLoop(), 7);
}

TEST(MessagePump, PendingPumpStopsAtQuitAndLeavesItForTheLoop) {
    DrainQueue();
    PostQuitMessage(3);
    EXPECT_FALSE(ui::win32::PumpPending());
    EXPECT_FALSE(ui::win32::PumpPending()) << "still queued";
    EXPECT_FALSE(ui::win32::PumpFor(50));
    EXPECT_EQ(ui::win32::RunMessageLoop(), 3);
    EXPECT_TRUE(ui::win32::PumpPending());
}

class CountingWindow : public ui::win32::Window {
  public:
    explicit CountingWindow(RecordingReport& report) : Window(report) {}
    bool Open(bool dialogKeys) {
        if (!Create({L"TorvaTestCounting"}, 0, L"keys", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100)) return false;
        button =
            CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0, 0, 60, 20,
                            Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
        if (dialogKeys) WantDialogKeys();
        return button != nullptr;
    }
    HWND button = nullptr;
    int okCommands = 0;
    int keysSeen = 0;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == IDOK) ++okCommands;
        return Default(message, wParam, lParam);
    }
};

TEST(MessagePump, EnterPressesTheDefaultButtonOnlyWhereDialogKeysWereAskedFor) {
    for (const bool dialogKeys : {true, false}) {
        DrainQueue();
        RecordingReport report;
        CountingWindow window(report);
        ASSERT_TRUE(window.Open(dialogKeys));
        PostMessageW(window.button, WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_TRUE(ui::win32::PumpPending());
        EXPECT_EQ(window.okCommands, dialogKeys ? 1 : 0) << "dialog keys " << dialogKeys;
    }
}

}  // namespace
}  // namespace torva::test
