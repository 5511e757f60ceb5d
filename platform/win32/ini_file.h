#pragma once
// Private profile (INI) files through GetPrivateProfileIntW / WritePrivateProfileStringW.

#include "platform/registry.h"

namespace torva::win32 {

class Win32IniFile : public platform::IniFile {
  public:
    // The leading number of the value (a sign is honoured); fallback when the file, the section or
    // the key is missing.
    int GetInt(const std::string& file, const std::string& section, const std::string& key,
               int fallback) const override;
    bool WriteString(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& value) override;
};

}  // namespace torva::win32
