#include "platform/win32/shell.h"

#include <windows.h>
//
#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/system_library.h"
#include "platform/win32/wide.h"

namespace torva::win32 {

// The shell and COM are loaded for an open alone: the opener's other work (the file types'
// registration at every start of the menu and the editor) runs beside their start and needs neither.
intptr_t Win32Shell::Open(const std::string& document, const std::string& workFolder) {
    const auto shellExecute = SystemFunctionOf<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    // Without the shell nothing can be opened: "out of memory or resources", as the shell says it.
    if (!shellExecute) return 0;
    const auto initialize = SystemFunctionOf<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    const auto uninitialize = SystemFunctionOf<decltype(&CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    // Some shell handlers are COM objects: the thread needs COM during the call (left as it was).
    const HRESULT com = initialize && uninitialize
                            ? initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)
                            : E_FAIL;
    const std::wstring file = Wide(document);
    const std::wstring folder = Wide(workFolder);
    const HINSTANCE result = shellExecute(nullptr, nullptr, file.c_str(), nullptr,
                                          folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
    if (SUCCEEDED(com)) uninitialize();
    return reinterpret_cast<intptr_t>(result);
}

}  // namespace torva::win32
