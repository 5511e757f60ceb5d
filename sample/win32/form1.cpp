// SMPTVS: a window with two buttons that shows a script how a program reports its outcome.
// "正常終了" closes the window and ends normally (exit code 0); "異常終了" ends the process on
// the spot with exit code 9, skipping every closing step.
#include <windows.h>

#include "common/fatal_report.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "sample/form1_layout.h"
#include "ui/win32/controls.h"
#include "ui/win32/fatal_box.h"
#include "ui/win32/message_pump.h"
#include "ui/win32/window.h"

namespace torva::sample {
namespace {

constexpr int kIdLabel1 = 101;
constexpr int kIdCommand1 = 102;
constexpr int kIdCommand2 = 103;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// The sample has no steps of its own: a failure reports the start's code and ends with 1, which is
// neither of the two outcomes the sample demonstrates.
constexpr int kStartErrorCode = 999;
constexpr int kExitFailed = 1;

class Form1 : public ui::win32::Window {
  public:
    explicit Form1(ui::win32::FatalReport& report) : Window(report) {}

    bool Open(int showCommand) {
        using namespace ui::win32;
        const int dpi = ScreenDpi::Read().y;
        const ScreenDpi screen{dpi, dpi};
        font_ = MakeFont(L"ＭＳ Ｐゴシック", 900, dpi);
        const SIZE outer =
            OuterSize(kStyle, 0, TwipsToPixels(kClientWidth, dpi), TwipsToPixels(kClientHeight, dpi));
        const WindowClass windowClass{L"Form1", LoadIconW(nullptr, IDI_APPLICATION), nullptr, nullptr,
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
        if (!Create(windowClass, 0, win32::Wide(kCaption), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                    outer.cy))
            return false;
        const ControlMaker controls(Handle(), screen);
        controls.Add(L"STATIC", win32::Wide(kLabel1Caption), SS_LEFT | SS_NOPREFIX, kIdLabel1, kLabel1,
                     font_.get());
        controls.Add(L"BUTTON", win32::Wide(kCommand1Caption), BS_PUSHBUTTON | WS_TABSTOP, kIdCommand1,
                     kCommand1, font_.get());
        controls.Add(L"BUTTON", win32::Wide(kCommand2Caption), BS_PUSHBUTTON | WS_TABSTOP, kIdCommand2,
                     kCommand2, font_.get());
        WantDialogKeys();
        ShowWindow(Handle(), showCommand);
        UpdateWindow(Handle());
        SetFocus(GetDlgItem(Handle(), kIdCommand1));
        return true;
    }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_COMMAND:
                if (LOWORD(wParam) == kIdCommand1) {
                    Command1_Click();
                    return 0;
                }
                if (LOWORD(wParam) == kIdCommand2) Command2_Click();
                break;
            case WM_DESTROY:
                PostQuitMessage(kExitNormal);
                return 0;
            default:
                break;
        }
        return Default(msg, wParam, lParam);
    }

  private:
    void Command1_Click() { DestroyWindow(Handle()); }
    [[noreturn]] void Command2_Click() { ExitProcess(kExitAbnormal); }

    win32::UniqueGdiObject font_;
};

int Run(int showCommand) {
    ui::win32::SmallProgramReport report(std::string(kUnrecoverableMessage), kStartErrorCode, "SMPTVS",
                                         kExitFailed);
    try {
        Form1 form(report);
        if (!form.Open(showCommand)) return kExitFailed;
        ui::win32::RunMessageLoop();
        return kExitNormal;
    } catch (...) {
        report.Show(RunErrorNumberOf(std::current_exception()));
    }
    return kExitFailed;
}

}  // namespace
}  // namespace torva::sample

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return torva::sample::Run(showCommand);
}
