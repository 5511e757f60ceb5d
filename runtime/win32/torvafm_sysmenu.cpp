// The system menu's own entries and the system commands the menu window handles itself.
#include "common/error_state.h"
#include "runtime/win32/torvabs.h"
#include "runtime/win32/torvafm.h"
#include "runtime/win32/win_api.h"
#include "ui/win32/tray.h"

namespace torva::runtime::win32 {

namespace {
constexpr UINT kCmdEditor = 1010;
constexpr UINT kCmdVersion = 1020;
constexpr UINT kCmdProgramClose = 1090;
constexpr UINT kCmdTray = ui::win32::kTrayIconId;
}  // namespace

void MenuWindow::BuildSystemMenu() {
    TorvaRuntime& rt = rt_;
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    const bool editorPresent = rt.os.files->Exists(rt.programFolder + "\\Tvsetup.exe");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | (editorPresent ? 0u : MF_GRAYED), kCmdEditor, L"ﾒﾆｭｰの編集(&E)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kCmdVersion, L"ﾊﾞｰｼﾞｮﾝ情報(&A)");
    if (!rt.options().noControlBox) return;
    RemoveMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_CLOSE, MF_BYCOMMAND);
    // The close entry stays visible but greyed, which also greys the caption's close box.
    AppendMenuW(menu, MF_STRING | MF_GRAYED, SC_CLOSE, L"閉じる(&C)               Alt+F4");
    if (layout_.mode != 7 && layout_.mode != 9) {
        SetWindowLongPtrW(Handle(), GWL_STYLE,
                          GetWindowLongPtrW(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_MINIMIZEBOX));
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

bool MenuWindow::OnSystemCommand(WPARAM command, LPARAM lParam) {
    TorvaRuntime& rt = rt_;
    switch (command) {
        case kCmdEditor: {
            const std::string line = rt.programFolder + "\\Tvsetup.exe \"" + rt.definitionPath + "|TORVA\"";
            if (!rt.os.processes->Start(line)) {
                // Without the editor the user would lose the menu for nothing: it stays open.
                rt_.ReportLaunchFailure(20, "コマンドの起動に失敗しました。", line);
                return true;
            }
            Close(CloseReason::EndProgramsRun);
            return true;
        }
        case kCmdVersion:
            versionBox_.Show(Handle());
            return true;
        case kCmdProgramClose:
            Close(CloseReason::ProgramCommand);
            return true;
        case kCmdTray:
            if (lParam == WM_LBUTTONDOWN && !IsWindowVisible(Handle())) ShowFromTray();
            return true;
        default:
            break;
    }
    if ((command & 0xFFF0) == SC_MINIMIZE && rt.options().trayIcon) {
        HideToTray();
        return true;
    }
    return false;
}

}  // namespace torva::runtime::win32
