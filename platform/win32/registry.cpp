#include "platform/win32/registry.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace torva::win32 {

HKEY RootKey(platform::RegistryRoot root) {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case platform::RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case platform::RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
    }
    return HKEY_CURRENT_USER;
}

bool Win32RegistryKey::SetString(const std::string& name, const std::string& value) {
    const std::wstring wideName = Wide(name);
    const std::wstring wideValue = Wide(value);
    const DWORD bytes = static_cast<DWORD>((wideValue.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key_.get(), name.empty() ? nullptr : wideName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wideValue.c_str()), bytes) == ERROR_SUCCESS;
}

std::optional<std::string> Win32RegistryKey::GetString(const std::string& name) const {
    const std::wstring wideName = Wide(name);
    const wchar_t* valueName = name.empty() ? nullptr : wideName.c_str();
    std::wstring data(64, L'\0');
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD type = 0;
        DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        const LONG r = RegQueryValueExW(key_.get(), valueName, nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &bytes);
        if (r == ERROR_MORE_DATA) {
            // The value may change between calls: size again from the reported length.
            data.assign(bytes / sizeof(wchar_t) + 2, L'\0');
            continue;
        }
        if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        // Stored strings need not end in a NUL; the text ends at the first one or at the data's end.
        data.resize(bytes / sizeof(wchar_t));
        if (const auto nul = data.find(L'\0'); nul != std::wstring::npos) data.resize(nul);
        if (type == REG_EXPAND_SZ) {
            const DWORD need = ExpandEnvironmentStringsW(data.c_str(), nullptr, 0);
            if (need > 0) {
                std::wstring expanded(need, L'\0');
                const DWORD got = ExpandEnvironmentStringsW(data.c_str(), expanded.data(), need);
                if (got > 0 && got <= need) {
                    expanded.resize(got - 1);
                    data = std::move(expanded);
                }
            }
        }
        return Narrow(data);
    }
    return std::nullopt;
}

platform::CreatedKey Win32Registry::Create(platform::RegistryRoot root, const std::string& path) {
    platform::CreatedKey result;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(RootKey(root), Wide(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return result;
    result.key = std::make_unique<Win32RegistryKey>(UniqueRegKey(key));
    result.created = disposition == REG_CREATED_NEW_KEY;
    return result;
}

std::unique_ptr<platform::RegistryKey> Win32Registry::Open(platform::RegistryRoot root,
                                                           const std::string& path, bool write) {
    HKEY key = nullptr;
    const REGSAM access = write ? KEY_READ | KEY_WRITE : KEY_READ;
    if (RegOpenKeyExW(RootKey(root), Wide(path).c_str(), 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return std::make_unique<Win32RegistryKey>(UniqueRegKey(key));
}

}  // namespace torva::win32
