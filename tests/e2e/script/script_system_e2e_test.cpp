// Tvscript.exe's system and remote lines for real: mailslot messages to this computer, the close
// command to a caller window, and the power requests (redirected to the test log).
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "platform/win32/system_info.h"
#include "platform/win32/wide.h"
#include "tests/e2e/script/script_e2e_fixture.h"

namespace torva::e2e {
namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<std::string> ReadAll(HANDLE slot) {
    std::vector<std::string> messages;
    for (;;) {
        DWORD next = 0;
        DWORD count = 0;
        if (!GetMailslotInfo(slot, nullptr, &next, &count, nullptr) || next == MAILSLOT_NO_MESSAGE) break;
        std::string bytes(next, '\0');
        DWORD read = 0;
        if (!ReadFile(slot, bytes.data(), next, &read, nullptr)) break;
        bytes.resize(read);
        messages.push_back(bytes);
    }
    return messages;
}

TEST_F(ScriptE2eTest, RemoteLinesArriveInTheMailslotAsShiftJis) {
    win32::UniqueFileHandle slot(CreateMailslotW(L"\\\\.\\mailslot\\TORVAMS", 0, 0, nullptr));
    ASSERT_TRUE(slot) << GetLastError();
    const std::string script = WriteScript("REMOTE.TVS", {
                                                             "WAIT: TvProbe.exe",
                                                             "RMSG: . hello: world",
                                                             "RMSG: .",
                                                             "RCTL: . 3 12",
                                                             "RCTL: . 3",
                                                             "RMSG: . 会議は10時から",
                                                             "RMSG: NOBODY-LISTENS-HERE hello",
                                                             "CODE=7:SAME",
                                                             "MSG: CHANGED",
                                                             "END:",
                                                             ":SAME",
                                                             "MSG: SENT",
                                                         });
    Process runner = StartRunner(Quoted(script), "--exit 7");
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    // The remote lines left the exit code of the program line alone.
    EXPECT_EQ(box->text, "SENT");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));

    const std::string computer = win32::LocalComputerName();
    ASSERT_FALSE(computer.empty());
    const std::vector<std::string> expected = {
        "9999" + computer + ":HELLO: WORLD",
        "0312",
        Utf8ToCp932("9999" + computer + ":会議は10時から"),
    };
    EXPECT_EQ(ReadAll(slot.get()), expected);
}

// A stand-in for the menu window: closes itself on the close command and counts what it got.
struct CallerWindow {
    static inline int closeCommands = 0;
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_SYSCOMMAND && wParam == 1090) {
            ++closeCommands;
            DestroyWindow(hwnd);
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    CallerWindow() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TorvaScriptE2eCaller";
        RegisterClassW(&wc);
        hwnd = CreateWindowW(wc.lpszClassName, L"caller", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                             nullptr, wc.hInstance, nullptr);
        closeCommands = 0;
    }
    ~CallerWindow() {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    std::string Marker() const {
        char digits[9];
        snprintf(digits, sizeof(digits), "%08X", static_cast<unsigned>(reinterpret_cast<uintptr_t>(hwnd)));
        return std::string("|TORVA|") + digits + "|";
    }
    HWND hwnd = nullptr;
};

TEST_F(ScriptE2eTest, CendClosesTheCallerWindow) {
    CallerWindow caller;
    ASSERT_NE(caller.hwnd, nullptr);
    const std::string script = WriteScript("CEND.TVS", {"CEND:", "MSG: AFTER"});
    Process runner = StartRunner(Quoted(caller.Marker() + script));
    // Answer pumps this thread's messages while it waits, so the command is delivered.
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "AFTER");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    EXPECT_EQ(CallerWindow::closeCommands, 1);
    EXPECT_FALSE(IsWindow(caller.hwnd));
}

TEST_F(ScriptE2eTest, CendWithoutACallerDoesNothing) {
    CallerWindow caller;
    const std::string script = WriteScript("CEND0.TVS", {"CEND:", "MSG: AFTER"});
    Process runner = StartRunner(Quoted("|TORVA|00000000|" + script));
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "AFTER");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    EXPECT_EQ(CallerWindow::closeCommands, 0);
    EXPECT_TRUE(IsWindow(caller.hwnd));
}

TEST_F(ScriptE2eTest, RemoteShutdownsGoToThePowerLogAndTheScriptGoesOn) {
    const std::string script = WriteScript("RSDWN.TVS", {"RSDWN: pc01", "RREBT: pc02 save your work",
                                                         "RSDWN:", "MSG: ON", "SDWN:", "MSG: NEVER"});
    Process runner = StartRunner(Quoted(script));
    const auto box = Answer(runner, IDOK);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "ON");
    EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
    const std::vector<std::string> expected = {
        "AdjustPrivilege name=SeRemoteShutdownPrivilege",
        "RemoteShutdown computer=PC01 timeout=0 force=1 reboot=0 message=",
        "AdjustPrivilege name=SeRemoteShutdownPrivilege",
        "RemoteShutdown computer=PC02 timeout=30 force=1 reboot=1 message=SAVE YOUR WORK",
        "AdjustPrivilege name=SeShutdownPrivilege",
        "ExitWindows flags=1",
    };
    EXPECT_EQ(PowerLog(), expected);
}

TEST_F(ScriptE2eTest, LocalExitRequestsEndTheScript) {
    struct Case {
        const char* line;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"REBT:", {"AdjustPrivilege name=SeShutdownPrivilege", "ExitWindows flags=2"}},
        {"POFF:", {"AdjustPrivilege name=SeShutdownPrivilege", "ExitWindows flags=8"}},
        {"LOFF:", {"ExitWindows flags=0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        DeleteFileW(win32::Wide(powerLog_).c_str());
        const std::string script = WriteScript("EXIT.TVS", {c.line, "MSG: NEVER"});
        Process runner = StartRunner(Quoted(script));
        EXPECT_EQ(Finish(runner), std::optional<DWORD>(0));
        EXPECT_EQ(PowerLog(), c.log);
    }
}

}  // namespace
}  // namespace torva::e2e
