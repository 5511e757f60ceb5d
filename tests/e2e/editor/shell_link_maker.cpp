#include "shell_link_maker.h"

#include <windows.h>
// After windows.h, which they build on.
#include <objbase.h>
#include <shlobj.h>

#include "platform/win32/wide.h"

namespace torva::e2e {

namespace {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    T* p_ = nullptr;
};

class ComScope {
  public:
    ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (ok_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    bool ok_;
};

}  // namespace

bool SaveShortcut(const std::string& path, const ShortcutSpec& wanted) {
    ComScope com;
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.Out()))))
        return false;
    if (FAILED(link->SetPath(win32::Wide(wanted.target).c_str()))) return false;
    if (!wanted.iconFile.empty() &&
        FAILED(link->SetIconLocation(win32::Wide(wanted.iconFile).c_str(), wanted.iconIndex)))
        return false;
    if (!wanted.arguments.empty() && FAILED(link->SetArguments(win32::Wide(wanted.arguments).c_str())))
        return false;
    if (!wanted.workFolder.empty() && FAILED(link->SetWorkingDirectory(win32::Wide(wanted.workFolder).c_str())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out())))) return false;
    return SUCCEEDED(file->Save(win32::Wide(path).c_str(), TRUE));
}

}  // namespace torva::e2e
