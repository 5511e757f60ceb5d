#include "shell/win32/tvshellbs.h"

#include <windows.h>

#include <new>

#include "common/fatal_report.h"
#include "common/run_error.h"
#include "platform/win32/message_box.h"
#include "shell/file_associations.h"
#include "shell/opener_command.h"

namespace torva::shell::TVSHELLBS {

namespace {

// The number shown for an open that the shell refused.
constexpr int kRefusedOpen = 0;

void ShowFailure(int failureNumber) {
    const std::string text = ComposeSmallProgramText(kOpenFailedMessage, kStepCode, failureNumber);
    win32::ShowErrorBox(nullptr, text, kBoxTitle);
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
    } catch (const RunError& e) {
        ShowFailure(e.number());
    } catch (const std::bad_alloc&) {
        ShowFailure(kErrOutOfMemory);
    } catch (const std::exception&) {
        ShowFailure(kErrInvalidCall);
    }
    return kExitFailed;
}

}  // namespace torva::shell::TVSHELLBS
