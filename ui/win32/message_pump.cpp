#include "ui/win32/message_pump.h"

namespace torva::ui::win32 {

namespace {

constexpr wchar_t kDialogKeysProperty[] = L"Torva.DialogKeys";

void Dispatch(MSG& msg) {
    if (msg.hwnd) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && GetPropW(root, kDialogKeysProperty) && IsDialogMessageW(root, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void WantDialogKeys(HWND topLevel) {
    if (topLevel) SetPropW(topLevel, kDialogKeysProperty, reinterpret_cast<HANDLE>(1));
}

int RunMessageLoop() {
    MSG msg{};
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);
        if (got == -1) return -1;
        Dispatch(msg);
    }
}

bool PumpPending() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        Dispatch(msg);
    }
    return true;
}

bool PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    do {
        if (!PumpPending()) return false;
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
    return true;
}

}  // namespace torva::ui::win32
