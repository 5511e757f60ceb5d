// TVRMSGBS: the viewer's entry. One received message per start: shown until OK, then the program
// ends. Any failure on the way shows the viewer's error box instead.
#include <windows.h>

#include <new>

#include "common/fatal_report.h"
#include "common/run_error.h"
#include "platform/win32/message_box.h"
#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"
#include "rmsg/remote_message.h"
#include "rmsg/win32/tvrmsgfm.h"
#include "shell/program_arguments.h"

namespace torva::rmsg {
namespace TVRMSGBS {

// Exit codes: 0 after OK; 1 when the message could not be shown (after the error box).
constexpr int kExitShown = 0;
constexpr int kExitFailed = 1;

void ShowFailure(int runErrorNumber) {
    const std::string text = ComposeSmallProgramText(kFailureMessage, kStartErrorCode, runErrorNumber);
    win32::ShowErrorBox(nullptr, text, "TVRMSG");
}

int Main(HINSTANCE instance, const std::string& arguments) {
    try {
        const RemoteMessage message = ParseRemoteMessage(arguments);
        TVRMSGFM form(instance, message);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (form.Window() && IsDialogMessageW(form.Window(), &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        return kExitShown;
    } catch (const RunError& e) {
        ShowFailure(e.number());
    } catch (const std::bad_alloc&) {
        ShowFailure(kErrOutOfMemory);
    } catch (const std::exception&) {
        ShowFailure(kErrInvalidCall);
    }
    return kExitFailed;
}

}  // namespace TVRMSGBS
}  // namespace torva::rmsg

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The runtime writes the viewer's path unquoted; see ArgumentText.
    const std::string commandLine = torva::win32::Narrow(GetCommandLineW());
    const std::string arguments(torva::shell::ArgumentText(commandLine, torva::win32::ModulePath()));
    return torva::rmsg::TVRMSGBS::Main(instance, arguments);
}
