#pragma once
// Shell open with the default verb.

#include "platform/processes.h"

namespace torva::win32 {

class Win32Shell : public platform::Shell {
  public:
    // ShellExecuteW(no verb, document, no parameters, work folder, SW_SHOWNORMAL); the result as
    // the shell gives it (2 file not found, 31 no association, 32 and above success).
    intptr_t Open(const std::string& document, const std::string& workFolder) override;
};

}  // namespace torva::win32
