#include "ui/win32/control_tips.h"

#include <commctrl.h>

#include "platform/win32/wide.h"

namespace torva::ui::win32 {

namespace {

constexpr int kMaxTipWidth = 600;

// Where the pointer was when the message being handled was posted, in screen coordinates.
POINT MessagePoint() {
    const DWORD at = GetMessagePos();
    return POINT{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
}

}  // namespace

void ControlTips::Create(HWND owner, HINSTANCE instance) {
    owner_ = owner;
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
}

void ControlTips::Add(HWND control) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void ControlTips::SetText(HWND control, const std::string& text) {
    std::wstring wide = torva::win32::Wide(text);
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner_;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = wide.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

bool ControlTips::StillAt(const std::optional<POINT>& pointerAtShow) {
    if (!pointerAtShow) return false;
    const POINT pointer = MessagePoint();
    return pointer.x == pointerAtShow->x && pointer.y == pointerAtShow->y;
}

void ControlTips::Relay(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    if (!tooltip_) return;
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = static_cast<DWORD>(GetMessageTime());
    msg.pt = MessagePoint();
    SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace torva::ui::win32
