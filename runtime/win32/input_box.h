#pragma once
// The input box of the remote-message button: a prompt, an entry, OK and Cancel.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/unique_handle.h"
#include "ui/win32/dialog.h"

namespace torva::runtime::win32 {

class InputBox : public ui::win32::Dialog {
  public:
    InputBox(ui::win32::FatalReport& report, std::string prompt)
        : Dialog(report), prompt_(std::move(prompt)) {}

    // The text entered (UTF-8) when OK was pressed, nothing when cancelled or closed.
    std::optional<std::string> Ask(HWND owner, const std::string& title);

    static constexpr int kPromptId = 101;
    static constexpr int kEntryId = 102;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;

  private:
    std::string prompt_;
    std::optional<std::string> answer_;
    torva::win32::UniqueGdiObject font_;
};

}  // namespace torva::runtime::win32
