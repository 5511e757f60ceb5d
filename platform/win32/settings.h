#pragma once
// Per-user application settings, kept in the registry as
// HKEY_CURRENT_USER\Software\Torva\<application>\<section>, one REG_SZ value per key.

#include "platform/registry.h"

namespace torva::win32 {

class Win32Settings : public platform::Settings {
  public:
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) const override;
    bool Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;

    // The key path below HKEY_CURRENT_USER.
    static std::string KeyPath(const std::string& app, const std::string& section);
};

}  // namespace torva::win32
