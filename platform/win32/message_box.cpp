#include "platform/win32/message_box.h"

#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"

namespace torva::win32 {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    // Through the loaded library rather than an import: a program that shows a box only when
    // something fails (the document opener) starts without the window system.
    const auto show = SystemFunctionOf<decltype(&MessageBoxW)>(L"user32.dll", "MessageBoxW");
    if (!show) return 0;
    return show(owner, Wide(text).c_str(), Wide(caption).c_str(), type | MB_SETFOREGROUND);
}

}  // namespace torva::win32
