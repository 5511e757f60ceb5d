#pragma once
// Program-wide state of button activation, kept once per menu window.

#include <cstdint>

#include "runtime/activation/running_list.h"

namespace torva::activation {

// Timed starts and the mailslot receiver press a button of a page that need not be the shown one.
class RemotePressPending {
  public:
    void Set(int page) {
        pending_ = true;
        page_ = page;
    }
    bool IsSet() const { return pending_; }
    // Clears the flag and returns its page.
    int Take() {
        pending_ = false;
        return page_;
    }

  private:
    bool pending_ = false;
    int page_ = 0;
};

struct ActivationState {
    RemotePressPending remotePress;
    RunningPrograms running;
    std::uint32_t lastDocumentProcess = 0;  // the document opener the menu waits for; 0 when none
    bool documentWaitActive = false;
    bool documentWindowSeen = false;  // the opener waited for has shown a window
};

}  // namespace torva::activation
