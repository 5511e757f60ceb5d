#include "platform/win32/message_box.h"

#include "platform/win32/wide.h"

namespace torva::win32 {

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    return MessageBoxW(owner, Wide(text).c_str(), Wide(caption).c_str(), type | MB_SETFOREGROUND);
}

}  // namespace torva::win32
