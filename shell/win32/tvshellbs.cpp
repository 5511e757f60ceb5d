#include "shell/win32/tvshellbs.h"

#include <windows.h>

#include "common/run_error.h"
#include "shell/file_associations.h"
#include "shell/opener_command.h"
#include "ui/win32/fatal_box.h"

namespace torva::shell::TVSHELLBS {

namespace {

// The number shown for an open that the shell refused.
constexpr int kRefusedOpen = 0;

void ShowFailure(int failureNumber) {
    ui::win32::SmallProgramReport(kOpenFailedMessage, kStepCode, kBoxTitle, kExitFailed).Show(failureNumber);
}

}  // namespace

int Main(const std::string& arguments, Services& services) {
    try {
        const OpenerRequest request = ParseOpenerCommand(arguments, services.ownFolder);
        if (request.registerAssociations) {
            RegisterFileAssociations(services.registry, services.files, services.ownFolder);
            return kExitDone;
        }
        if (services.shell.Open(request.document, request.workFolder) >= 32) return kExitDone;
        ShowFailure(kRefusedOpen);
    } catch (...) {
        ShowFailure(RunErrorNumberOf(std::current_exception()));
    }
    return kExitFailed;
}

}  // namespace torva::shell::TVSHELLBS
