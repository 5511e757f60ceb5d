#pragma once
// The tooltips of a window's own controls: one tooltip window for all of them, each control a tool
// whose text changes with what the control shows.

#include <windows.h>

#include <string>

namespace torva::ui::win32 {

class ControlTips {
  public:
    ControlTips() = default;
    ControlTips(const ControlTips&) = delete;
    ControlTips& operator=(const ControlTips&) = delete;

    // The tooltip window over the owner's controls; it goes with the owner.
    void Create(HWND owner, HINSTANCE instance);
    bool Created() const { return tooltip_ != nullptr; }
    // A control of the owner as a tool, with no text yet.
    void Add(HWND control);
    // An empty text shows no tip.
    void SetText(HWND control, const std::string& text);
    // A mouse message the tooltip window did not see itself (one that came before it existed).
    void Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;
};

}  // namespace torva::ui::win32
