#include "platform/win32/shell.h"

#include <windows.h>
//
#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace torva::win32 {

intptr_t Win32Shell::Open(const std::string& document, const std::string& workFolder) {
    // Some shell handlers are COM objects: the thread needs COM during the call (left as it was).
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const std::wstring file = Wide(document);
    const std::wstring folder = Wide(workFolder);
    const HINSTANCE result = ShellExecuteW(nullptr, nullptr, file.c_str(), nullptr,
                                           folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace torva::win32
