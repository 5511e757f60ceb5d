#include "platform/win32/system_info.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/module_path.h"
#include "platform/win32/wide.h"

namespace torva::win32 {

namespace {

// Both folder calls return the length without the NUL when it fits, the size needed otherwise.
template <typename Call>
std::string FolderFrom(Call call) {
    std::wstring folder(MAX_PATH + 1, L'\0');
    for (int attempt = 0; attempt < 4; ++attempt) {
        const UINT n = call(folder.data(), static_cast<UINT>(folder.size()));
        if (n == 0) return {};
        if (n < folder.size()) {
            folder.resize(n);
            return Narrow(folder);
        }
        folder.resize(n + 1);
    }
    return {};
}

}  // namespace

std::string LocalComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (GetComputerNameW(name, &size)) return Narrow(std::wstring_view(name, size));
    // The NetBIOS name is the host name up to its first dot, in capitals, at most 15 characters.
    wchar_t host[256] = {};
    DWORD hostSize = 256;
    if (!GetComputerNameExW(ComputerNamePhysicalDnsHostname, host, &hostSize)) return {};
    std::wstring netbios(host, hostSize);
    netbios = netbios.substr(0, std::min<std::size_t>(netbios.find(L'.'), MAX_COMPUTERNAME_LENGTH));
    CharUpperBuffW(netbios.data(), static_cast<DWORD>(netbios.size()));
    return Narrow(netbios);
}

std::string Win32SystemInfo::ComputerName() const {
    return LocalComputerName();
}

std::string Win32SystemInfo::WindowsFolder() const {
    return FolderFrom([](wchar_t* buffer, UINT size) { return GetWindowsDirectoryW(buffer, size); });
}

std::string Win32SystemInfo::SystemFolder() const {
    return FolderFrom([](wchar_t* buffer, UINT size) { return GetSystemDirectoryW(buffer, size); });
}

std::string Win32SystemInfo::ProgramFolder() const {
    return ModuleFolder(nullptr);
}

bool Win32SystemInfo::IsTallCaptionPlatform() const {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                           reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                                     : nullptr;
    if (!rtlGetVersion || rtlGetVersion(&version) != 0) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        if (!GetVersionExW(&version)) return false;
#pragma GCC diagnostic pop
    }
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5 &&
           version.dwMinorVersion == 1;
}

}  // namespace torva::win32
