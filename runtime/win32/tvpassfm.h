#pragma once
// TVPASSFM: the password asked before a protected button acts. Wrong entries keep the dialog open
// with the entry selected; there is no limit on attempts and no message.

#include <windows.h>

#include <cstdint>
#include <string>

#include "common/error_state.h"
#include "platform/win32/unique_handle.h"
#include "ui/win32/dialog.h"

namespace torva::runtime::win32 {

inline constexpr const char* kPasswordPrompt = "パスワードを入力して下さい。";

class PasswordDialog : public ui::win32::Dialog {
  public:
    PasswordDialog(ui::win32::FatalReport& report, ErrorState& error, std::string password, std::string guide)
        : Dialog(report), error_(error), password_(std::move(password)), guide_(std::move(guide)) {}

    // Shows the dialog modally; true when the entry matched (the cancelled flag is 0).
    bool Ask(HWND owner);
    int16_t Cancelled() const { return cancelled_; }

    // Control ids, for tests that drive the dialog.
    static constexpr int kImageId = 100;
    static constexpr int kGuideId = 101;
    static constexpr int kEntryId = 102;

  protected:
    void OnInit() override;
    void OnCommand(int id, int notification) override;
    HBRUSH OnControlColour(HDC dc, HWND control) override;
    void OnPaintBackground(HDC dc, const RECT& client) override;

  private:
    ErrorState& error_;
    std::string password_;
    std::string guide_;
    int16_t cancelled_ = 1;
    torva::win32::UniqueGdiObject guideFont_;
    torva::win32::UniqueGdiObject entryFont_;
};

}  // namespace torva::runtime::win32
