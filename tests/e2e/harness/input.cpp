#include "tests/e2e/harness/input.h"

#include "platform/win32/wide.h"
#include "tests/e2e/harness/wait.h"

namespace torva::e2e {

namespace {

LPARAM KeyLParam(UINT virtualKey, bool up) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM lp = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
    if (up) lp |= (static_cast<LPARAM>(1) << 30) | (static_cast<LPARAM>(1) << 31);
    return lp;
}

INPUT KeyInput(WORD virtualKey, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

bool Send(std::vector<INPUT>& inputs) {
    if (inputs.empty()) return true;
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

void PostKey(HWND hwnd, UINT virtualKey) {
    PostMessageW(hwnd, WM_KEYDOWN, virtualKey, KeyLParam(virtualKey, false));
    PostMessageW(hwnd, WM_KEYUP, virtualKey, KeyLParam(virtualKey, true));
}

void PostText(HWND hwnd, const std::string& text) {
    for (const wchar_t unit : win32::Wide(text)) PostMessageW(hwnd, WM_CHAR, unit, 1);
}

bool BringToForeground(HWND topLevel) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == topLevel) return true;
            ShowWindow(topLevel, IsIconic(topLevel) ? SW_RESTORE : SW_SHOW);
            SetForegroundWindow(topLevel);
            return GetForegroundWindow() == topLevel;
        },
        Millis{3000});
}

bool SendKeyChord(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (const WORD k : keys) inputs.push_back(KeyInput(k, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    return Send(inputs);
}

bool SendText(const std::string& text) {
    std::vector<INPUT> inputs;
    for (const wchar_t unit : win32::Wide(text)) {
        for (const bool up : {false, true}) {
            INPUT in{};
            in.type = INPUT_KEYBOARD;
            in.ki.wScan = unit;
            in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(in);
        }
    }
    return Send(inputs);
}

void ClickButton(HWND button) {
    PostMessageW(button, BM_CLICK, 0, 0);
}

void PostCommand(HWND hwnd, int id) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void PostSysCommand(HWND hwnd, UINT command) {
    PostMessageW(hwnd, WM_SYSCOMMAND, command, 0);
}

void ClickAt(HWND hwnd, POINT client, bool right) {
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, at);
    PostMessageW(hwnd, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, at);
    PostMessageW(hwnd, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
}

namespace {

// Mouse events at a point in the window's client coordinates, in absolute desktop units.
std::vector<INPUT> MouseInputsAt(HWND hwnd, POINT client, std::size_t count) {
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    const int cx = GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1;
    const int cy = GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1;
    const int ox = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int oy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    std::vector<INPUT> inputs(count);
    for (auto& in : inputs) {
        in.type = INPUT_MOUSE;
        in.mi.dx = MulDiv(screen.x - ox, 65535, cx > 0 ? cx : 1);
        in.mi.dy = MulDiv(screen.y - oy, 65535, cy > 0 ? cy : 1);
    }
    return inputs;
}

}  // namespace

bool SendMouseMoveTo(HWND hwnd, POINT client) {
    std::vector<INPUT> inputs = MouseInputsAt(hwnd, client, 1);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    return Send(inputs);
}

bool SendClickAt(HWND hwnd, POINT client, bool right) {
    std::vector<INPUT> inputs = MouseInputsAt(hwnd, client, 3);
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    inputs[1].mi.dwFlags = (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN) | MOUSEEVENTF_ABSOLUTE |
                           MOUSEEVENTF_VIRTUALDESK;
    inputs[2].mi.dwFlags =
        (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP) | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    return Send(inputs);
}

}  // namespace torva::e2e
