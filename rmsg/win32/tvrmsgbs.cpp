// TVRMSGBS: the viewer's entry. One received message per start: shown until OK, then the program
// ends. Any failure on the way shows the viewer's error box instead.
#include <windows.h>

#include "common/program_arguments.h"
#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"
#include "rmsg/remote_message.h"
#include "rmsg/win32/tvrmsgfm.h"
#include "ui/win32/fatal_box.h"
#include "ui/win32/message_pump.h"

namespace torva::rmsg {
namespace TVRMSGBS {

// Exit codes: 0 after OK; 1 when the message could not be shown (after the error box).
constexpr int kExitShown = 0;
constexpr int kExitFailed = 1;

int Main(const std::string& arguments) {
    ui::win32::SmallProgramReport report(std::string(kFailureMessage), kStartErrorCode, "TVRMSG",
                                         kExitFailed);
    try {
        const RemoteMessage message = ParseRemoteMessage(arguments);
        TVRMSGFM form(report);
        form.Open(message);
        ui::win32::RunMessageLoop();
        return kExitShown;
    } catch (...) {
        report.Show(RunErrorNumberOf(std::current_exception()));
    }
    return kExitFailed;
}

}  // namespace TVRMSGBS
}  // namespace torva::rmsg

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The runtime writes the viewer's path unquoted; see ArgumentText.
    const std::string commandLine = torva::win32::Narrow(GetCommandLineW());
    const std::string arguments(torva::ArgumentText(commandLine, torva::win32::ModulePath()));
    return torva::rmsg::TVRMSGBS::Main(arguments);
}
