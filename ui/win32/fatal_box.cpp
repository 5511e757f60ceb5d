#include "ui/win32/fatal_box.h"

#include "common/fatal_report.h"
#include "platform/win32/message_box.h"

namespace torva::ui::win32 {

void SmallProgramReport::Show(int runErrorNumber) const noexcept {
    try {
        torva::win32::ShowErrorBox(nullptr, ComposeSmallProgramText(message_, code_, runErrorNumber), title_);
    } catch (...) {
    }
}

void SmallProgramReport::ReportFatal(int runErrorNumber) noexcept {
    Show(runErrorNumber);
    ExitProcess(exitCode_);
}

}  // namespace torva::ui::win32
