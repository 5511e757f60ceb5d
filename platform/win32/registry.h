#pragma once
// The registry through the W functions: texts stay right on any system locale.

#include "platform/registry.h"
#include "platform/win32/unique_handle.h"

namespace torva::win32 {

class Win32RegistryKey : public platform::RegistryKey {
  public:
    explicit Win32RegistryKey(UniqueRegKey key) : key_(std::move(key)) {}
    // REG_SZ; an empty name is the key's default value.
    bool SetString(const std::string& name, const std::string& value) override;
    // REG_SZ as stored; REG_EXPAND_SZ with its environment references expanded (file-type icons
    // are often stored so); nothing for a missing value or another type.
    std::optional<std::string> GetString(const std::string& name) const override;
    HKEY get() const { return key_.get(); }

  private:
    UniqueRegKey key_;
};

class Win32Registry : public platform::Registry {
  public:
    // RegCreateKeyExW: created tells REG_CREATED_NEW_KEY from REG_OPENED_EXISTING_KEY.
    platform::CreatedKey Create(platform::RegistryRoot root, const std::string& path) override;
    std::unique_ptr<platform::RegistryKey> Open(platform::RegistryRoot root, const std::string& path,
                                                bool write) override;
};

HKEY RootKey(platform::RegistryRoot root);

}  // namespace torva::win32
