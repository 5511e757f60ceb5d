#pragma once
// The tooltips of a window's own controls: one tooltip window for all of them, each control a tool
// whose text changes with what the control shows.

#include <windows.h>

#include <optional>
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
    // The tips are made on the first mouse move over a window that has none: addTools creates them
    // (Create and Add), and the move, which came before the tooltip window watched the controls, is
    // relayed so that it starts the hover. The system also reports a pointer that has not moved when
    // the window appears under it; a move at pointerAtShow is that report and makes nothing.
    template <class AddTools>
    void OnMouseSeen(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     const std::optional<POINT>& pointerAtShow, AddTools&& addTools) {
        if (Created() || StillAt(pointerAtShow)) return;
        addTools();
        Relay(window, message, wParam, lParam);
    }

  private:
    // Whether the current message's pointer is where pointerAtShow says it rested.
    static bool StillAt(const std::optional<POINT>& pointerAtShow);

    HWND owner_ = nullptr;
    HWND tooltip_ = nullptr;
};

}  // namespace torva::ui::win32
