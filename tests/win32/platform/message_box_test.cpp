// The message box helper: UTF-8 texts reach the box intact and the pressed button comes back.
#include "platform/win32/message_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/win32/wide.h"
#include "tests/win32/platform/test_support.h"

namespace torva::test {
namespace {

BOOL CALLBACK CollectText(HWND child, LPARAM param) {
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    reinterpret_cast<std::vector<std::wstring>*>(param)->push_back(text);
    return TRUE;
}

TEST(MessageBoxHelper, ShowsTheTextsAndReturnsThePressedButton) {
    const std::string caption = "TORVA " + UniqueName("box");
    const std::string text = "コマンドの起動に失敗しました。\r\rErrorNo = 4 : 0";
    std::vector<std::wstring> texts;
    std::atomic<bool> answered{false};
    // Another thread plays the user: it finds the box by its caption, reads it, and presses "No".
    std::thread user([&] {
        for (int attempt = 0; attempt < 600 && !answered; ++attempt) {
            if (HWND box = FindWindowW(L"#32770", win32::Wide(caption).c_str())) {
                EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&texts));
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, IDNO)));
                answered = true;
                return;
            }
            Sleep(50);
        }
    });
    const int pressed = win32::ShowMessageBox(nullptr, text, caption, MB_YESNO | MB_ICONQUESTION);
    answered = true;
    user.join();
    EXPECT_EQ(pressed, IDNO);
    bool textShown = false;
    for (const auto& t : texts) textShown = textShown || t == win32::Wide(text);
    EXPECT_TRUE(textShown);
}

}  // namespace
}  // namespace torva::test
