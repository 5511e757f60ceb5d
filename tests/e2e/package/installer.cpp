#include "tests/e2e/package/installer.h"

#include <msi.h>
#include <msiquery.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <functional>

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide.h"
#include "tests/e2e/harness/process.h"
#include "tests/e2e/harness/test_support.h"

namespace torva::e2e {

using win32::Narrow;
using win32::Wide;

namespace {

// An installer database, view or record handle, closed when it goes.
class MsiObject {
  public:
    MsiObject() = default;
    ~MsiObject() {
        if (handle_ != 0) MsiCloseHandle(handle_);
    }
    MsiObject(const MsiObject&) = delete;
    MsiObject& operator=(const MsiObject&) = delete;
    MSIHANDLE* out() { return &handle_; }
    MSIHANDLE get() const { return handle_; }

  private:
    MSIHANDLE handle_ = 0;
};

// Installing and removing can take a while under Wine on a busy machine.
constexpr Millis kInstallTimeout{240000};

}  // namespace

MsiexecRun RunMsiexec(const std::string& arguments, const std::string& logPath) {
    const std::string msiexec = SystemFolder() + "\\msiexec.exe";
    MsiexecRun run;
    Process p = Process::Start(msiexec, StartOptions().Args(arguments + " /l*v \"" + logPath + "\""));
    if (!p.Valid()) return run;
    run.exitCode = p.WaitForExit(kInstallTimeout);
    run.log = ReadBytes(logPath).value_or("");
    return run;
}

std::string PackageProperty(const std::string& msiPath, const std::string& name) {
    MsiObject database;
    if (MsiOpenDatabaseW(Wide(msiPath).c_str(), MSIDBOPEN_READONLY, database.out()) != ERROR_SUCCESS)
        return {};
    const std::wstring query = L"SELECT `Value` FROM `Property` WHERE `Property` = '" + Wide(name) + L"'";
    MsiObject view;
    if (MsiDatabaseOpenViewW(database.get(), query.c_str(), view.out()) != ERROR_SUCCESS ||
        MsiViewExecute(view.get(), 0) != ERROR_SUCCESS)
        return {};
    MsiObject record;
    if (MsiViewFetch(view.get(), record.out()) != ERROR_SUCCESS) return {};
    wchar_t value[512];
    DWORD length = 512;
    if (MsiRecordGetStringW(record.get(), 1, value, &length) != ERROR_SUCCESS) return {};
    return Narrow(std::wstring(value, length));
}

std::vector<InstalledProduct> RelatedProducts(const std::string& upgradeCode) {
    std::vector<InstalledProduct> products;
    const std::wstring upgrade = Wide(upgradeCode);
    for (DWORD i = 0;; ++i) {
        wchar_t code[39];
        if (MsiEnumRelatedProductsW(upgrade.c_str(), 0, i, code) != ERROR_SUCCESS) break;
        wchar_t version[64];
        DWORD length = 64;
        InstalledProduct product{Narrow(code), {}};
        if (MsiGetProductInfoW(code, INSTALLPROPERTY_VERSIONSTRING, version, &length) == ERROR_SUCCESS)
            product.version = Narrow(std::wstring(version, length));
        products.push_back(product);
    }
    return products;
}

std::optional<std::string> ShortcutTarget(const std::string& linkPath) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::optional<std::string> target;
    {
        IShellLinkW* link = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&link)))) {
            IPersistFile* file = nullptr;
            if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
                wchar_t path[MAX_PATH] = {};
                if (SUCCEEDED(file->Load(Wide(linkPath).c_str(), STGM_READ)) &&
                    SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
                    target = Narrow(path);
                file->Release();
            }
            link->Release();
        }
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return target;
}

std::string FileVersion(const std::string& path) {
    const std::wstring wide = Wide(path);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
    if (size == 0) return {};
    std::string data(size, '\0');
    if (!GetFileVersionInfoW(wide.c_str(), 0, size, data.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || info == nullptr)
        return {};
    return std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
           std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
           std::to_string(LOWORD(info->dwFileVersionLS));
}

std::string ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    std::string folder = Narrow(path);
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    std::function<void(const std::string&)> walk = [&](const std::string& relative) {
        WIN32_FIND_DATAW found{};
        const std::string base = relative.empty() ? folder : folder + "\\" + relative;
        HANDLE find = FindFirstFileW(Wide(base + "\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return;
        do {
            const std::string name = Narrow(found.cFileName);
            if (name == "." || name == "..") continue;
            const std::string path = relative.empty() ? name : relative + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                files.push_back(path + "\\");
                walk(path);
            } else {
                files.push_back(path);
            }
        } while (FindNextFileW(find, &found));
        FindClose(find);
    };
    walk("");
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace torva::e2e
